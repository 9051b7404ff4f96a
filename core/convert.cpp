// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"

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
bool isExponentMarker(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

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

// The decimal magnitude of a scanned number, to tell an overflow from an
// underflow when the text is beyond the double range.
bool magnitudeIsLarge(std::string_view mantissa, std::string_view exponent)
{
    long long exp = 0;
    bool negativeExp = false;
    for (char c : exponent) {
        if (c == '-')
            negativeExp = true;
        else if (isDigit(c) && exp < 1'000'000'000)
            exp = exp * 10 + (c - '0');
    }
    if (negativeExp)
        exp = -exp;
    long long position = 0; // power of ten of the first significant digit, plus one
    bool seenPoint = false;
    bool seenSignificant = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (!seenSignificant && c == '0') {
                if (seenPoint)
                    --position;
                continue;
            }
            seenSignificant = true;
            if (!seenPoint)
                ++position;
        }
    }
    return position + exp > 0;
}

// Converts a well-formed decimal text (digits, optional point, optional
// exponent digits) to a double without any locale.
double toDouble(bool negative, std::string_view mantissa, std::string_view exponent)
{
    std::string normal;
    normal.reserve(mantissa.size() + exponent.size() + 4);
    if (negative)
        normal += '-';
    if (!mantissa.empty() && mantissa.front() == '.')
        normal += '0';
    normal += mantissa;
    if (!normal.empty() && normal.back() == '.')
        normal.pop_back();
    if (!exponent.empty()) {
        normal += 'e';
        normal += exponent;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitudeIsLarge(mantissa, exponent))
            throw RuntimeError(ErrorCode::Overflow);
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != normal.data() + normal.size())
        throw RuntimeError(ErrorCode::TypeMismatch);
    return value;
}

struct ScannedNumber {
    bool negative = false;
    std::string mantissa; // digits and at most one point
    std::string exponent; // optional sign and digits, empty when absent
    bool hasDigits = false;
    std::size_t length = 0; // characters of the source taken
};

// An exponent marker counts only when at least one digit follows it (and
// its sign); then it extends the number.
void scanExponent(std::string_view text, ScannedNumber& number)
{
    std::size_t pos = number.length;
    if (pos >= text.size() || !isExponentMarker(text[pos]))
        return;
    ++pos;
    std::string exponent;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        exponent += text[pos++];
    const std::size_t digitsStart = pos;
    while (pos < text.size() && isDigit(text[pos]))
        exponent += text[pos++];
    if (pos > digitsStart) {
        number.exponent = exponent;
        number.length = pos;
    }
}

// Scans sign, digits, point, digits and an exponent with at least one digit.
// The group separator, when given, may stand between digits before the point.
ScannedNumber scanDecimal(std::string_view text, std::string_view decimal, std::string_view group)
{
    ScannedNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    bool previousWasDigit = false;
    while (pos < text.size()) {
        if (isDigit(text[pos])) {
            number.mantissa += text[pos++];
            number.hasDigits = true;
            previousWasDigit = true;
        } else if (!group.empty() && previousWasDigit && text.substr(pos, group.size()) == group
                   && pos + group.size() < text.size() && isDigit(text[pos + group.size()])) {
            pos += group.size();
            previousWasDigit = false;
        } else {
            break;
        }
    }
    if (!decimal.empty() && text.substr(pos, decimal.size()) == decimal) {
        pos += decimal.size();
        number.mantissa += '.';
        while (pos < text.size() && isDigit(text[pos])) {
            number.mantissa += text[pos++];
            number.hasDigits = true;
        }
    }
    number.length = pos;
    if (number.hasDigits)
        scanExponent(text, number);
    return number;
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

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

void setLocaleSeparators(LocaleSeparators separators)
{
    if (separators.decimal.empty())
        separators.decimal.assign(1, '.');
    separatorsStorage() = std::move(separators);
}

const LocaleSeparators& localeSeparators() { return separatorsStorage(); }

double Val(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    if (!compact.empty() && compact.front() == '&')
        return parseRadixInteger(compact);
    const ScannedNumber number = scanDecimal(compact, ".", {});
    if (!number.hasDigits)
        return 0.0;
    return toDouble(number.negative, number.mantissa, number.exponent);
}

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
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
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
    const ScannedNumber number = scanDecimal(text, locale.decimal, locale.group);
    if (!number.hasDigits || number.length != text.size())
        throw RuntimeError(ErrorCode::TypeMismatch);
    return toDouble(number.negative, number.mantissa, number.exponent);
}

} // namespace zoret
