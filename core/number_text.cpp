// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <algorithm>

namespace zoret {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isExponentMarker(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }
bool startsWith(std::string_view text, std::size_t pos, std::string_view mark)
{
    return !mark.empty() && text.substr(pos, mark.size()) == mark;
}

void scanExponent(std::string_view text, NumberParts& number)
{
    std::size_t pos = number.length;
    if (pos >= text.size() || !isExponentMarker(text[pos]))
        return;
    ++pos;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t first = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    if (pos == first)
        return;
    number.exponentNegative = negative;
    number.exponentDigits = text.substr(first, pos - first);
    number.length = pos;
}

} // namespace

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            kept += c;
    return kept;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isBlankText(std::string_view text) { return trimBlanks(text).empty(); }

NumberParts scanNumber(std::string_view text, const NumberGrammar& grammar)
{
    NumberParts number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        number.negative = text[pos++] == '-';
    while (pos < text.size()) {
        if (isDigit(text[pos])) {
            number.digits += text[pos++];
        } else if (startsWith(text, pos, grammar.group) && pos > 0 && isDigit(text[pos - 1])
                   && pos + grammar.group.size() < text.size() && isDigit(text[pos + grammar.group.size()])) {
            pos += grammar.group.size();
        } else {
            break;
        }
    }
    const std::string_view mark = startsWith(text, pos, grammar.decimal)        ? grammar.decimal
                                  : startsWith(text, pos, grammar.otherDecimal) ? grammar.otherDecimal
                                                                                : std::string_view();
    if (!mark.empty()) {
        for (pos += mark.size(); pos < text.size() && isDigit(text[pos]); ++pos, ++number.fractionDigits)
            number.digits += text[pos];
    }
    number.length = pos;
    if (grammar.exponent && number.hasDigits())
        scanExponent(text, number);
    return number;
}

long long NumberParts::exponent(long long cap) const
{
    long long size = 0;
    for (char c : exponentDigits)
        size = std::min(size * 10 + (c - '0'), cap);
    return exponentNegative ? -size : size;
}

} // namespace zoret
