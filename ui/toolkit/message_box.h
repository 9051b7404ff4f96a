// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

class QWidget;

namespace zoret::ui {

enum class MsgBoxIcon { None = 0, Warning = 48 };

inline constexpr const char* applicationTitle = "Zoret";

// A modal message with an OK button; returns when the user presses it.
void MsgBox(QWidget* parent, const std::string& prompt, MsgBoxIcon icon = MsgBoxIcon::None,
            const std::string& title = applicationTitle);

} // namespace zoret::ui
