// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/civil_date.h"

#include <charconv>

namespace zoret {

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Exactly `width` decimal digits, no sign: from_chars alone would take "+1"
// or fewer digits.
std::optional<int> fixedDigits(std::string_view text, std::size_t at, std::size_t width)
{
    if (at + width > text.size())
        return std::nullopt;
    for (std::size_t i = at; i < at + width; ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    int value = 0;
    std::from_chars(text.data() + at, text.data() + at + width, value);
    return value;
}

void appendDigits(std::string& out, int value, int width)
{
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(static_cast<std::size_t>(width) - static_cast<std::size_t>(end - buffer), '0').append(buffer, end);
}

} // namespace

std::optional<CivilDate> readDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = fixedDigits(text, 0, 4), month = fixedDigits(text, 5, 2), day = fixedDigits(text, 8, 2);
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1
        || *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CivilDate{*year, *month, *day};
}

bool isDateTimeText(std::string_view text)
{
    if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':' || !readDate(text.substr(0, 10)))
        return false;
    const auto hours = fixedDigits(text, 11, 2), minutes = fixedDigits(text, 14, 2), seconds = fixedDigits(text, 17, 2);
    return hours && minutes && seconds && *hours < 24 && *minutes < 60 && *seconds < 60;
}

std::string dateText(CivilDate date)
{
    std::string text;
    appendDigits(text, date.year, 4);
    text += '-';
    appendDigits(text, date.month, 2);
    text += '-';
    appendDigits(text, date.day, 2);
    return text;
}

CivilDate daysBefore(CivilDate date, int days)
{
    for (; days > 0 && (date.year > 1 || date.month > 1 || date.day > 1); --days) {
        if (--date.day > 0)
            continue;
        if (--date.month == 0)
            date = {date.year - 1, 12, 31};
        else
            date.day = daysInMonth(date.year, date.month);
    }
    return date;
}

} // namespace zoret
