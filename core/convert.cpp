// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"

#include "core/number_text.h"
#include "core/runtime_error.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace zoret {

namespace {

LocaleSeparators& separatorsStorage()
{
    static LocaleSeparators separators;
    return separators;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// "&H1F", "&O17" and "&17": the digits form a 16-bit two's-complement value
// when they fit 16 bits, otherwise a 32-bit one.
double parseRadixInteger(std::string_view text)
{
    std::size_t pos = 1;
    unsigned base = 8;
    if (pos < text.size() && (text[pos] == 'H' || text[pos] == 'h')) {
        base = 16;
        ++pos;
    } else if (pos < text.size() && (text[pos] == 'O' || text[pos] == 'o')) {
        ++pos;
    }
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit >= static_cast<int>(base))
            break;
        value = value * base + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu)
            throw RuntimeError(ErrorCode::Overflow);
    }
    if (value <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Whether a number beyond the double range is too large rather than too
// small: the power of ten of its first significant digit, plus one, and its
// exponent (capped far beyond any double) add up to more than zero.
bool magnitudeIsLarge(const NumberParts& number)
{
    const std::size_t significant = number.digits.find_first_not_of('0');
    const auto integerDigits = static_cast<long long>(number.digits.size() - number.fractionDigits);
    const long long position = integerDigits - static_cast<long long>(significant);
    return position + number.exponent(1'000'000'000) > 0;
}

// Converts scanned parts with at least one digit to a double without any
// locale.
double toDouble(const NumberParts& number)
{
    std::string normal;
    normal.reserve(number.digits.size() + number.exponentDigits.size() + 4);
    if (number.negative)
        normal += '-';
    normal += number.digits;
    normal.insert(normal.size() - number.fractionDigits, 1, '.');
    if (!number.exponentDigits.empty()) {
        normal += number.exponentNegative ? "e-" : "e";
        normal += number.exponentDigits;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitudeIsLarge(number))
            throw RuntimeError(ErrorCode::Overflow);
        return number.negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != normal.data() + normal.size())
        throw RuntimeError(ErrorCode::TypeMismatch);
    return value;
}

struct Digits {
    std::string significant; // no trailing zeros, at least one digit
    int exponent = 0; // power of ten of the first digit
};

template <typename T>
Digits roundToDigits(T magnitude, int digits)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Digits out;
    for (char c : text.substr(0, e))
        if (isDigit(c))
            out.significant += c;
    while (out.significant.size() > 1 && out.significant.back() == '0')
        out.significant.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
    return out;
}

struct Style {
    int digits;
    int largeExponent; // exponent form from 10^largeExponent
    bool leadingBlank; // Str's blank before non-negative numbers
    bool zeroBeforePoint;
    std::string_view decimal;
};

// Below 1E-4 the fixed form would be mostly zeros.
constexpr int smallExponent = -4;

// "1.5E+20", "1E-05": one digit before the point, a signed two-digit exponent.
void appendExponentForm(std::string& out, const Digits& d, std::string_view decimal)
{
    out += d.significant[0];
    if (d.significant.size() > 1) {
        out += decimal;
        out.append(d.significant, 1);
    }
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10)
        out += '0';
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    out.append(buffer, result.ptr);
}

// "150", "1.5", ".015" (or "0.015"): the digits around the point, no exponent.
void appendFixedForm(std::string& out, const Digits& d, const Style& style)
{
    const auto count = static_cast<int>(d.significant.size());
    if (d.exponent >= 0) {
        const int integerDigits = d.exponent + 1;
        if (count <= integerDigits) {
            out += d.significant;
            out.append(static_cast<std::size_t>(integerDigits - count), '0');
        } else {
            out.append(d.significant, 0, static_cast<std::size_t>(integerDigits));
            out += style.decimal;
            out.append(d.significant, static_cast<std::size_t>(integerDigits));
        }
        return;
    }
    if (style.zeroBeforePoint)
        out += '0';
    out += style.decimal;
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.significant;
}

template <typename T>
std::string formatNumber(T value, const Style& style)
{
    std::string out;
    // The checked arithmetic never lets these reach a caption; should one
    // arrive anyway it is named rather than misread as a number.
    if (std::isnan(value))
        return style.leadingBlank ? " NaN" : "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : (style.leadingBlank ? " Inf" : "Inf");
    if (std::signbit(value) && value != 0)
        out += '-';
    else if (style.leadingBlank)
        out += ' ';
    if (value == 0) {
        out += '0';
        return out;
    }
    const Digits d = roundToDigits(std::fabs(value), style.digits);
    if (d.exponent >= style.largeExponent || d.exponent < smallExponent)
        appendExponentForm(out, d, style.decimal);
    else
        appendFixedForm(out, d, style);
    return out;
}

template <typename Int>
Int roundHalfEven(double value)
{
    if (std::isnan(value))
        throw RuntimeError(ErrorCode::Overflow);
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<Int>(rounded);
}

} // namespace

void setLocaleSeparators(LocaleSeparators separators)
{
    if (separators.decimal.empty())
        separators.decimal.assign(1, '.');
    separatorsStorage() = std::move(separators);
}

const LocaleSeparators& localeSeparators() { return separatorsStorage(); }

namespace {

double valWith(std::string_view text, const NumberGrammar& grammar)
{
    const std::string compact = withoutBlanks(text);
    if (!compact.empty() && compact.front() == '&')
        return parseRadixInteger(compact);
    const NumberParts number = scanNumber(compact, grammar);
    return number.hasDigits() ? toDouble(number) : 0.0;
}

} // namespace

double Val(std::string_view text) { return valWith(text, {}); }

double typedVal(std::string_view text) { return valWith(text, {.otherDecimal = ","}); }

std::string Str(double value) { return formatNumber(value, Style{15, 15, true, false, "."}); }

std::string Str(Single value) { return formatNumber(value, Style{7, 7, true, false, "."}); }

std::string CStr(Integer value)
{
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string CStr(Single value) { return formatNumber(value, Style{7, 7, false, true, localeSeparators().decimal}); }

Integer CInt(double value) { return roundHalfEven<Integer>(value); }

Long CLng(double value) { return roundHalfEven<Long>(value); }

Integer CInt(std::string_view text) { return CInt(CDbl(text)); }

double CDbl(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '&') {
        const std::string_view digits = text.substr(1);
        const bool radixPrefix =
            !digits.empty() && (digits[0] == 'H' || digits[0] == 'h' || digits[0] == 'O' || digits[0] == 'o');
        const std::string_view body = radixPrefix ? digits.substr(1) : digits;
        const unsigned base = (radixPrefix && (digits[0] == 'H' || digits[0] == 'h')) ? 16 : 8;
        if (body.empty())
            throw RuntimeError(ErrorCode::TypeMismatch);
        for (char c : body)
            if (digitValue(c) >= static_cast<int>(base))
                throw RuntimeError(ErrorCode::TypeMismatch);
        return parseRadixInteger(text);
    }
    const LocaleSeparators& locale = localeSeparators();
    const NumberParts number = scanNumber(text, {.decimal = locale.decimal, .group = locale.group});
    if (!number.hasDigits() || number.length != text.size())
        throw RuntimeError(ErrorCode::TypeMismatch);
    return toDouble(number);
}

} // namespace zoret
