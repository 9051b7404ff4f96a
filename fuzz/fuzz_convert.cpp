// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions over any text and any number: Val against an independent
// regular-expression reading, number -> text -> number round trips (Str keeps
// 15 digits of a double and 7 of a single, under any locale separators), and
// the strict CDbl/CInt/CLng against rounding half to even.
#include "fuzz/fuzz_support.h"

#include "core/convert.h"

#include <cmath>
#include <limits>
#include <optional>
#include <regex>

namespace fuzz {
namespace {

using zoret::ErrorCode;

// `value` rounded to `digits` significant digits, or nothing when that is
// beyond the double range.
std::optional<double> roundedTo(double value, int digits)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + 64, value, std::chars_format::scientific, digits - 1);
    double back = 0;
    if (std::from_chars(buffer, written.ptr, back).ec == std::errc::result_out_of_range)
        return std::nullopt;
    return back;
}

Outcome expectedRounding(double value, double low, double high)
{
    const double below = std::floor(value), fraction = value - below;
    const double r = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0) ? below + 1 : below;
    return r >= low && r <= high ? Outcome{true, {}, r} : Outcome{false, ErrorCode::Overflow, 0};
}

zoret::LocaleSeparators separators(std::uint8_t choice)
{
    static const zoret::LocaleSeparators table[] = {
        {".", ","}, {",", " "}, {",", "\xc2\xa0"}, {",", "."}, {".", "'"}, {"\xd9\xab", "\xd9\xac"}, {".", ""}};
    return table[choice % 7];
}

// What Val must read: nothing -> 0, beyond the range -> Overflow or a zero
// (nullopt value: the long double cannot tell either).
Outcome valExpected(const std::string& compact)
{
    if (!compact.empty() && compact[0] == '&') {
        const bool hex = compact.size() > 1 && (compact[1] | 0x20) == 'h';
        const std::size_t skip = 1 + (hex || (compact.size() > 1 && (compact[1] | 0x20) == 'o'));
        std::uint64_t n = 0;
        const auto read = std::from_chars(compact.data() + skip, compact.data() + compact.size(), n, hex ? 16 : 8);
        if (read.ec == std::errc::result_out_of_range || n > 0xFFFFFFFFu)
            return {false, ErrorCode::Overflow, 0};
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
        return {false, ErrorCode::DivisionByZero, 0}; // beyond any range: Overflow or zero both do
    return std::fabs(wide) >= 1 ? Outcome{false, ErrorCode::Overflow, 0} : Outcome{true, {}, m[1] == "-" ? -0.0 : 0.0};
}

void readsBack(const std::string& where, std::optional<double> expected, Outcome back)
{
    FUZZ_CHECK(back == (expected ? Outcome{true, {}, *expected} : Outcome{false, ErrorCode::Overflow, 0}),
               where + " read back as " + describe(back));
}

} // namespace

void val(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    const Outcome expected = valExpected(compact);
    const Outcome got = attempt([&] { return zoret::Val(text); });
    const bool eitherDoes = expected.code == ErrorCode::DivisionByZero && (got.ok ? got.value == 0 : true);
    FUZZ_CHECK(eitherDoes || (got == expected && std::signbit(got.value) == std::signbit(expected.value)),
               "Val(" + quoted(text) + ") gave " + describe(got) + ", expected " + describe(expected));
}

void roundTrip(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const auto locale = separators(in.byte());
    for (Input again = in; again.remaining() >= 8;)
        if (const double x = again.raw<double>(); std::isfinite(x)) {
            const std::string text = zoret::Str(x);
            FUZZ_CHECK(text[0] == (x < 0 ? '-' : ' '), "Str(" + show(x) + ") = " + quoted(text));
            readsBack(quoted(text), roundedTo(x, 15), attempt([&] { return zoret::Val(text); }));
        }
    for (Input again = in; again.remaining() >= 4;)
        if (const float f = again.raw<float>(); std::isfinite(f)) {
            const std::string text = zoret::Str(f);
            FUZZ_CHECK(text[0] == (f < 0 ? '-' : ' '), "Str(" + show(f) + "f) = " + quoted(text));
            readsBack(quoted(text), roundedTo(f, 7), attempt([&] { return zoret::Val(text); }));
            zoret::setLocaleSeparators(locale);
            const std::string local = zoret::CStr(f);
            FUZZ_CHECK(local[0] != ' ' && (locale.decimal == "." || local.find('.') == std::string::npos),
                       "CStr(" + show(f) + "f) = " + quoted(local));
            readsBack(quoted(local), roundedTo(f, 7), attempt([&] { return zoret::CDbl(local); }));
            zoret::setLocaleSeparators({});
        }
    for (Input again = in; again.remaining() >= 2;) {
        const auto i = again.raw<zoret::Integer>();
        zoret::setLocaleSeparators(locale);
        const std::string text = zoret::CStr(i);
        FUZZ_CHECK((attempt([&] { return zoret::CInt(text); }) == Outcome{true, {}, double(i)})
                       && (attempt([&] { return zoret::CDbl(text); }) == Outcome{true, {}, double(i)}),
                   "CStr(" + show(i) + ") = " + quoted(text) + " does not read back");
        zoret::setLocaleSeparators({});
    }
}

void cdblCint(const std::uint8_t* data, std::size_t size)
{
    using limits16 = std::numeric_limits<zoret::Integer>;
    using limits32 = std::numeric_limits<zoret::Long>;
    Input in(data, size);
    const std::uint8_t mode = in.byte();
    for (; (mode & 0x80) && in.remaining() >= 8;) {
        const double x = in.raw<double>();
        const auto expected = [&](double low, double high) {
            return std::isnan(x) ? Outcome{false, ErrorCode::Overflow, 0} : expectedRounding(x, low, high);
        };
        FUZZ_CHECK(attempt([&] { return zoret::CInt(x); }) == expected(limits16::min(), limits16::max()),
                   "CInt(" + show(x) + ")");
        FUZZ_CHECK(attempt([&] { return zoret::CLng(x); }) == expected(limits32::min(), limits32::max()),
                   "CLng(" + show(x) + ")");
    }
    if (mode & 0x80)
        return;
    zoret::setLocaleSeparators(separators(mode));
    const std::string text = in.rest();
    const Outcome cdbl = attempt([&] { return zoret::CDbl(text); });
    FUZZ_CHECK(cdbl.ok ? std::isfinite(cdbl.value) : cdbl.code != ErrorCode::DivisionByZero,
               "CDbl(" + quoted(text) + ") gave " + describe(cdbl));
    const Outcome cint = attempt([&] { return zoret::CInt(text); });
    FUZZ_CHECK(cint == (cdbl.ok ? expectedRounding(cdbl.value, limits16::min(), limits16::max()) : cdbl),
               "CInt(" + quoted(text) + ") gave " + describe(cint) + ", CDbl " + describe(cdbl));
    // With the invariant separators, ungrouped text CDbl accepts is a plain
    // number, and Val reads the same.
    const auto& locale = zoret::localeSeparators();
    if (cdbl.ok && locale.decimal == "." && (locale.group.empty() || text.find(locale.group) == std::string::npos))
        FUZZ_CHECK(attempt([&] { return zoret::Val(text); }) == cdbl, "Val(" + quoted(text) + ") against CDbl");
    zoret::setLocaleSeparators({});
}

} // namespace fuzz
