// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

// The local wall-clock time, as the journal writes dates.
namespace zoret::ui {

std::string nowText(); // "YYYY-MM-DD HH:MM:SS"
std::string todayText(); // "YYYY-MM-DD", the day of nowText()

// From now on the time is what `now` says ("YYYY-MM-DD HH:MM:SS"): a test
// sets the day it needs. Nothing goes back to the system clock.
void setClock(std::function<std::string()> now);

} // namespace zoret::ui
