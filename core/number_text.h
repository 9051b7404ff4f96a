// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The grammar of a number at the start of a text, for every reader of
// typed numbers: an optional sign, digits, a decimal mark and more digits,
// and an exponent marker (E, e, D or d) with an optional sign and at least
// one digit. What a reader does with the parts (a double, an exact decimal)
// and how much of the text it insists on are its own rules.
namespace zoret {

// Space, tab and line feed: the blanks a reader skips.
bool isBlank(char c);
std::string withoutBlanks(std::string_view text);
std::string_view trimBlanks(std::string_view text);
// Nothing but blanks: a box left empty.
bool isBlankText(std::string_view text);

struct NumberGrammar {
    std::string_view decimal = "."; // the decimal mark; empty for none
    std::string_view otherDecimal = {}; // a second mark read as the first one
    std::string_view group = {}; // may stand between two digits before the mark
    bool exponent = true;
};

struct NumberParts {
    bool negative = false;
    std::string digits; // every digit before and after the mark, in order
    std::size_t fractionDigits = 0; // how many of them follow the mark
    bool exponentNegative = false;
    std::string exponentDigits; // empty without an exponent
    std::size_t length = 0; // characters of the text taken
    bool hasDigits() const { return !digits.empty(); }
    // The exponent with its sign, its size capped at `cap`: a text may carry
    // more exponent digits than any integer holds.
    long long exponent(long long cap) const;
};

// The longest prefix of `text` the grammar allows. An exponent counts only
// after a digit of the number and with a digit of its own.
NumberParts scanNumber(std::string_view text, const NumberGrammar& grammar);

} // namespace zoret
