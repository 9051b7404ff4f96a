// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"

#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace zoret {

namespace {

// Far beyond the double range either way; a list text never comes near it,
// and it keeps a stray text from asking for a number of a million digits.
constexpr long maxExponent = 4000;

// The exact value of scanned parts: their digits times ten to the power of
// the exponent less the fraction's digits. Nothing when that power lies far
// beyond any double.
std::optional<mpq_class> valueOf(const NumberParts& number)
{
    if (number.digits.find_first_not_of('0') == std::string::npos)
        return mpq_class(0);
    const long exponent =
        static_cast<long>(number.exponent(10 * maxExponent)) - static_cast<long>(number.fractionDigits);
    if (std::labs(exponent) > maxExponent + static_cast<long>(number.digits.size()))
        return std::nullopt;
    mpq_class value(mpz_class(number.digits, 10));
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    if (exponent >= 0)
        value *= power;
    else
        value /= power;
    if (number.negative)
        value = -value;
    value.canonicalize();
    return value;
}

} // namespace

std::optional<mpq_class> readListNumber(std::string_view text) { return valueOf(scanNumber(withoutBlanks(text), {})); }

std::optional<mpq_class> readSum(std::string_view text)
{
    text = trimBlanks(text);
    const NumberParts number = scanNumber(text, {.decimal = ",", .otherDecimal = ".", .exponent = false});
    if (number.length != text.size() || !number.hasDigits())
        return std::nullopt;
    return valueOf(number);
}

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

std::string moneyRangeText(const mpq_class& least, const mpq_class& most)
{
    const std::string low = moneyText(least), high = moneyText(most);
    return low == high ? low : low + " – " + high;
}

} // namespace zoret
