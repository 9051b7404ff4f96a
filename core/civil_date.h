// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Dates of the journal as local wall-clock texts, in integers: no time zone,
// no C time functions.
namespace zoret {

struct CivilDate {
    int year = 1;
    int month = 1;
    int day = 1;
};

// "YYYY-MM-DD" of a real day of the years 0001..9999, else nothing.
std::optional<CivilDate> readDate(std::string_view text);

// "YYYY-MM-DD HH:MM:SS" of a real day and time.
bool isDateTimeText(std::string_view text);

// "YYYY-MM-DD", which sorts as the dates do.
std::string dateText(CivilDate date);

// The day `days` (0 or more) before `date`, never before 0001-01-01.
CivilDate daysBefore(CivilDate date, int days);

} // namespace zoret
