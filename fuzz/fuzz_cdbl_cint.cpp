// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The strict locale conversions over arbitrary text and numbers: nothing but
// RuntimeError escapes, CInt is CDbl rounded half to even (or Overflow past
// the Integer range, or CDbl's own error), CInt/CLng of a number round half
// to even, and text CDbl accepts reads the same through Val.
#include "fuzz/fuzz_support.h"

#include <limits>

namespace {

using fuzz::quoted;
using fuzz::show;
using zoret::ErrorCode;
using zoret::RuntimeError;

struct Outcome {
    bool ok = false;
    ErrorCode code{};
    double value = 0;
};

template <typename F>
Outcome attempt(F f)
{
    Outcome out;
    try {
        out.value = static_cast<double>(f());
        out.ok = true;
    } catch (const RuntimeError& error) {
        out.code = error.code();
    }
    return out;
}

std::string describe(const Outcome& o) { return o.ok ? show(o.value) : fuzz::codeName(o.code); }

// What rounding `value` into [low, high] must give.
Outcome roundedInto(double value, double low, double high)
{
    Outcome out;
    const double r = std::isnan(value) ? value : fuzz::halfEven(value);
    if (!(r >= low && r <= high)) {
        out.code = ErrorCode::Overflow;
        return out;
    }
    out.ok = true;
    out.value = r;
    return out;
}

void same(const Outcome& actual, const Outcome& expected, const std::string& what)
{
    const bool match =
        actual.ok == expected.ok && (actual.ok ? actual.value == expected.value : actual.code == expected.code);
    FUZZ_CHECK(match, what + " gave " + describe(actual) + ", expected " + describe(expected));
}

constexpr double integerMin = std::numeric_limits<zoret::Integer>::min();
constexpr double integerMax = std::numeric_limits<zoret::Integer>::max();
constexpr double longMin = std::numeric_limits<zoret::Long>::min();
constexpr double longMax = std::numeric_limits<zoret::Long>::max();

void checkText(const std::string& text)
{
    const Outcome cdbl = attempt([&] { return zoret::CDbl(text); });
    if (cdbl.ok)
        FUZZ_CHECK(std::isfinite(cdbl.value), "CDbl(" + quoted(text) + ") gave " + show(cdbl.value));
    else
        FUZZ_CHECK(cdbl.code == ErrorCode::TypeMismatch || cdbl.code == ErrorCode::Overflow,
                   "CDbl(" + quoted(text) + ") raised " + fuzz::codeName(cdbl.code));

    const Outcome cint = attempt([&] { return zoret::CInt(text); });
    same(cint, cdbl.ok ? roundedInto(cdbl.value, integerMin, integerMax) : cdbl, "CInt(" + quoted(text) + ")");

    // With the invariant separators, text without a group mark that CDbl
    // accepts is a plain number, and Val must read the same value.
    const auto& locale = zoret::localeSeparators();
    if (cdbl.ok && locale.decimal == "." && (locale.group.empty() || text.find(locale.group) == std::string::npos)) {
        const Outcome val = attempt([&] { return zoret::Val(text); });
        same(val, cdbl, "Val(" + quoted(text) + ") against CDbl");
    }
}

void checkNumber(double x)
{
    same(attempt([&] { return zoret::CInt(x); }), roundedInto(x, integerMin, integerMax), "CInt(" + show(x) + ")");
    same(attempt([&] { return zoret::CLng(x); }), roundedInto(x, longMin, longMax), "CLng(" + show(x) + ")");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::uint8_t mode = in.byte();
    if (mode & 0x80) {
        while (in.remaining() >= sizeof(double))
            checkNumber(in.raw<double>());
        return 0;
    }
    zoret::setLocaleSeparators(fuzz::separators(mode));
    checkText(in.rest());
    zoret::setLocaleSeparators({});
    return 0;
}
