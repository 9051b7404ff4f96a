// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions over any text and any number: Val against an independent
// regular-expression reading, CDbl/CInt in any locale, number -> text ->
// number round trips (Str keeps 15 digits of a double, 7 of a single), and
// CInt/CLng against rounding half to even.
#include "fuzz/fuzz.h"

#include "core/convert.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <regex>

namespace fuzz {
namespace {

using zoret::ErrorCode;
const Outcome overflow{false, ErrorCode::Overflow, 0};

// `value` to `digits` significant digits: what its text must read back as.
Outcome roundedTo(double value, int digits)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + 64, value, std::chars_format::scientific, digits - 1);
    double back = 0;
    return std::from_chars(buffer, written.ptr, back).ec == std::errc() ? Outcome{true, {}, back} : overflow;
}

template <typename T>
Outcome rounded(double value) // half to even, within T's range
{
    const double below = std::floor(value), fraction = value - below;
    const double r = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0) ? below + 1 : below;
    const bool fits = r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max();
    return fits ? Outcome{true, {}, r} : overflow;
}

zoret::LocaleSeparators separators(std::uint8_t choice)
{
    static const zoret::LocaleSeparators table[] = {
        {".", ","}, {",", " "}, {",", "\xc2\xa0"}, {",", "."}, {".", "'"}, {"\xd9\xab", "\xd9\xac"}, {".", ""}};
    return table[choice % 7];
}

// What Val must read. Beyond even a long double's range it may be Overflow
// or a zero: DivisionByZero stands for either.
Outcome valExpected(const std::string& compact)
{
    if (!compact.empty() && compact[0] == '&') {
        const bool hex = compact.size() > 1 && (compact[1] | 0x20) == 'h';
        const std::size_t skip = 1 + (hex || (compact.size() > 1 && (compact[1] | 0x20) == 'o'));
        std::uint64_t n = 0;
        const auto read = std::from_chars(compact.data() + skip, compact.data() + compact.size(), n, hex ? 16 : 8);
        if (read.ec == std::errc::result_out_of_range || n > 0xFFFFFFFFu)
            return overflow;
        return {true, {}, n <= 0xFFFF ? double(std::int16_t(n)) : double(std::int32_t(std::uint32_t(n)))};
    }
    static const std::regex number(R"(([+-]?)([0-9]*)(\.([0-9]*))?([eEdD]([+-]?[0-9]+))?)");
    std::smatch m;
    std::regex_search(compact, m, number, std::regex_constants::match_continuous);
    if (m[2].length() == 0 && m[4].length() == 0)
        return {true, {}, 0.0};
    const std::string normal = (m[1] == "-" ? "-" : "") + (m[2].length() ? m[2].str() : "0") + "." + m[4].str() + "0"
                               + (m[6].matched ? "e" + m[6].str() : "");
    long double wide = 0;
    double value = 0;
    if (std::from_chars(normal.data(), normal.data() + normal.size(), value).ec == std::errc())
        return {true, {}, value};
    if (std::from_chars(normal.data(), normal.data() + normal.size(), wide).ec != std::errc())
        return {false, ErrorCode::DivisionByZero, 0};
    return std::fabs(wide) >= 1 ? overflow : Outcome{true, {}, m[1] == "-" ? -0.0 : 0.0};
}

} // namespace

// A locale byte, then text.
void text(const std::uint8_t* data, std::size_t size)
{
    Input in{data, size};
    zoret::setLocaleSeparators(separators(in.byte()));
    const std::string text = in.text();
    std::string compact;
    for (char c : text)
        compact += c != ' ' && c != '\t' && c != '\n' ? std::string(1, c) : "";
    const Outcome expected = valExpected(compact), val = attempt([&] { return zoret::Val(text); });
    const bool eitherDoes = expected.code == ErrorCode::DivisionByZero && (!val.ok || val.value == 0);
    check(eitherDoes || (val == expected && std::signbit(val.value) == std::signbit(expected.value)), "Val");
    const Outcome cdbl = attempt([&] { return zoret::CDbl(text); }), cint = attempt([&] { return zoret::CInt(text); });
    check(cdbl.ok ? std::isfinite(cdbl.value) : cdbl.code != ErrorCode::DivisionByZero, "CDbl finite or refused");
    check(cint == (cdbl.ok ? rounded<zoret::Integer>(cdbl.value) : cdbl), "CInt(text) is CDbl rounded");
    // Ungrouped text CDbl reads with the point is a plain number Val reads alike.
    const auto& locale = zoret::localeSeparators();
    if (cdbl.ok && locale.decimal == "." && (locale.group.empty() || text.find(locale.group) == std::string::npos))
        check(val == cdbl, "Val reads what CDbl reads");
    zoret::setLocaleSeparators({});
}

// A locale byte, then doubles, singles and integers from the same bytes.
void roundTrip(const std::uint8_t* data, std::size_t size)
{
    Input in{data, size};
    const auto locale = separators(in.byte());
    for (Input again = in; again.remaining() >= 8;) {
        const double x = again.raw<double>();
        check(attempt([&] { return zoret::CInt(x); }) == rounded<zoret::Integer>(x), "CInt rounds half to even");
        check(attempt([&] { return zoret::CLng(x); }) == rounded<zoret::Long>(x), "CLng rounds half to even");
        if (!std::isfinite(x))
            continue;
        const std::string text = zoret::Str(x);
        check(text[0] == (x < 0 ? '-' : ' '), "Str's sign or blank");
        check(attempt([&] { return zoret::Val(text); }) == roundedTo(x, 15), "Str keeps 15 digits");
    }
    zoret::setLocaleSeparators(locale);
    for (Input again = in; again.remaining() >= 4;)
        if (const float f = again.raw<float>(); std::isfinite(f)) {
            const std::string text = zoret::Str(f), local = zoret::CStr(f);
            check(text[0] == (f < 0 ? '-' : ' ') && local[0] != ' '
                      && (locale.decimal == "." || local.find('.') == std::string::npos),
                  "Str's sign, CStr's mark");
            check(attempt([&] { return zoret::Val(text); }) == roundedTo(f, 7), "Str keeps 7 digits");
            check(attempt([&] { return zoret::CDbl(local); }) == roundedTo(f, 7), "CStr keeps 7 digits");
        }
    for (Input again = in; again.remaining() >= 2;) {
        const auto i = again.raw<zoret::Integer>();
        const std::string text = zoret::CStr(i);
        check(attempt([&] { return zoret::CInt(text); }) == Outcome{true, {}, double(i)}
                  && attempt([&] { return zoret::CDbl(text); }) == Outcome{true, {}, double(i)},
              "CStr of an Integer reads back");
    }
    zoret::setLocaleSeparators({});
}

} // namespace fuzz
