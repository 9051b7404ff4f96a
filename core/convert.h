// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number.h"

#include <string>
#include <string_view>

// Conversions between numbers and the text the windows show. Text is UTF-8.
namespace zoret {

// The user's locale separators, read once at start-up by the application.
// Only CStr, CInt(text) and CDbl honour them; Val and Str never do.
struct LocaleSeparators {
    std::string decimal = ".";
    std::string group = ",";
};
void setLocaleSeparators(LocaleSeparators separators);
const LocaleSeparators& localeSeparators();

// Lenient parse of the leading number of a text; never rejects text.
// Raises Overflow when the number does not fit a double.
double Val(std::string_view text);
// Val of what the user typed into a number box: each comma is the decimal
// point (a Russian keyboard's decimal key types one), the rest as Val reads.
double typedVal(std::string_view text);

// Invariant display text: leading blank for non-negative numbers, point as
// separator, 15 significant digits for a double and 7 for a single.
std::string Str(double value);
std::string Str(Single value);

// Locale text without the leading blank.
std::string CStr(Integer value);
std::string CStr(Single value);

// Round half to even into the integer types; Overflow when out of range.
// No window rounds into a Long today; CLng stays as the one conversion to
// the type the accumulator counts are kept in.
Integer CInt(double value);
Long CLng(double value);

// Strict locale parse of the whole text; TypeMismatch when it is not a number.
Integer CInt(std::string_view text);
double CDbl(std::string_view text);

} // namespace zoret
