// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The local wall-clock time, as the journal writes dates.
namespace zoret::ui {

std::string nowText(); // "YYYY-MM-DD HH:MM:SS"
std::string todayText(); // "YYYY-MM-DD"

} // namespace zoret::ui
