// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QVariant>

#include <string_view>

// What the program remembers between runs (window sizes, column widths), in
// the user's configuration folder: Zoret/Zoret.conf under XDG_CONFIG_HOME.
namespace zoret::ui {

QVariant savedSetting(std::string_view key);
void saveSetting(std::string_view key, const QVariant& value);

} // namespace zoret::ui
