// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"

#include <charconv>
#include <cstdlib>

namespace zoret {

namespace {

// Far beyond the double range either way; a list text never comes near it,
// and it keeps a stray text from asking for a number of a million digits.
constexpr long maxExponent = 4000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isExponentMarker(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Digits of a decimal scanned off a text: the value is
// (negative ? -1 : 1) * digits * 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

mpq_class valueOf(const DecimalDigits& number)
{
    if (number.digits.empty())
        return 0;
    mpq_class value(mpz_class(number.digits, 10));
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(number.exponent)));
    if (number.exponent >= 0)
        value *= power;
    else
        value /= power;
    if (number.negative)
        value = -value;
    value.canonicalize();
    return value;
}

// The sign of the exponent and its digits, when `text` continues with a
// marker, an optional sign and at least one digit; the digits are capped at
// a value beyond maxExponent.
std::optional<long> scanExponent(std::string_view text, std::size_t& pos)
{
    std::size_t at = pos;
    if (at >= text.size() || !isExponentMarker(text[at++]))
        return std::nullopt;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    const std::size_t first = at;
    long exponent = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        exponent = std::min(exponent * 10 + (text[at] - '0'), 10 * maxExponent);
    if (at == first)
        return std::nullopt;
    pos = at;
    return negative ? -exponent : exponent;
}

// Sign, digits, separator, digits; the point of the fraction moves the
// exponent. Returns how many characters were taken.
std::size_t scanMantissa(std::string_view text, std::string_view separators, DecimalDigits& number)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        number.negative = text[pos++] == '-';
    for (; pos < text.size() && isDigit(text[pos]); ++pos)
        number.digits += text[pos];
    if (pos < text.size() && separators.find(text[pos]) != std::string_view::npos) {
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos) {
            number.digits += text[pos];
            --number.exponent;
        }
    }
    return pos;
}

} // namespace

std::optional<mpq_class> readListNumber(std::string_view text)
{
    std::string packed;
    for (char c : text)
        if (!isBlank(c))
            packed += c;
    DecimalDigits number;
    std::size_t pos = scanMantissa(packed, ".", number);
    if (number.digits.empty())
        return mpq_class(0);
    if (const auto exponent = scanExponent(packed, pos))
        number.exponent += *exponent;
    if (std::labs(number.exponent) > maxExponent + static_cast<long>(number.digits.size()))
        return std::nullopt;
    return valueOf(number);
}

std::optional<mpq_class> readSum(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    DecimalDigits number;
    if (scanMantissa(text, ",.", number) != text.size() || number.digits.empty())
        return std::nullopt;
    return valueOf(number);
}

bool isBlankText(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::string fixedText(const mpq_class& amount, int decimals)
{
    // Units of the last decimal rounded half away from zero, in integers:
    // with |a| = n/d and u = 10^decimals, floor((2un + d) / 2d).
    mpz_class unit;
    mpz_ui_pow_ui(unit.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
    const mpz_class units = (2 * unit * abs(amount.get_num()) + amount.get_den()) / (2 * amount.get_den());
    std::string digits = units.get_str(10);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return (amount < 0 && units != 0 ? "-" : "") + digits;
}

std::string moneyText(const mpq_class& amount) { return fixedText(amount, 2); }

std::string countText(long long count)
{
    char buffer[24];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, count);
    return std::string(buffer, written.ptr);
}

} // namespace zoret
