// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Number -> text -> number. Str shows 15 significant digits of a double and
// 7 of a single, so reading the text back must give the number rounded to
// that many digits (rounded here independently with std::to_chars). The
// locale forms CStr/CDbl must agree under any separator pair, and an Integer
// must survive CStr/CInt unchanged.
#include "fuzz/fuzz_support.h"

namespace {

using fuzz::quoted;
using fuzz::show;
using zoret::ErrorCode;
using zoret::RuntimeError;

// Reads `text` back with `read` and compares it with `expected` (nothing:
// the rounded number is beyond the double range, so Overflow is due).
template <typename Read>
void expectReadBack(const std::string& what, const std::string& text, std::optional<double> expected, Read read)
{
    const std::string where = what + " = " + quoted(text);
    double back = 0;
    try {
        back = read(text);
    } catch (const RuntimeError& error) {
        FUZZ_CHECK(!expected && error.code() == ErrorCode::Overflow,
                   where + " read back raised " + fuzz::codeName(error.code()));
        return;
    }
    FUZZ_CHECK(expected.has_value(), where + " read back as " + show(back) + " instead of Overflow");
    FUZZ_CHECK(back == *expected, where + " read back as " + show(back) + ", expected " + show(*expected));
}

void checkStrSign(const std::string& what, const std::string& text, bool negative)
{
    FUZZ_CHECK(!text.empty() && text[0] == (negative ? '-' : ' '), what + " = " + quoted(text) + " has the wrong lead");
}

void doubleRoundTrip(double x)
{
    if (!std::isfinite(x))
        return;
    const std::string what = "Str(" + show(x) + ")";
    const std::string text = zoret::Str(x);
    checkStrSign(what, text, x < 0);
    expectReadBack(what, text, fuzz::roundedTo(x, 15), [](const std::string& t) { return zoret::Val(t); });
}

void singleRoundTrip(float f, const zoret::LocaleSeparators& locale)
{
    if (!std::isfinite(f))
        return;
    const auto expected = fuzz::roundedTo(f, 7);
    const std::string text = zoret::Str(f);
    checkStrSign("Str(" + show(f) + "f)", text, f < 0);
    expectReadBack("Str(" + show(f) + "f)", text, expected, [](const std::string& t) { return zoret::Val(t); });

    zoret::setLocaleSeparators(locale);
    const std::string localeText = zoret::CStr(f);
    FUZZ_CHECK(!localeText.empty() && localeText[0] != ' ',
               "CStr(" + show(f) + "f) = " + quoted(localeText) + " has a lead blank");
    FUZZ_CHECK(locale.decimal == "." || localeText.find('.') == std::string::npos,
               "CStr(" + show(f) + "f) = " + quoted(localeText) + " ignores the decimal mark "
                   + quoted(locale.decimal));
    expectReadBack("CStr(" + show(f) + "f) with decimal " + quoted(locale.decimal), localeText, expected,
                   [](const std::string& t) { return zoret::CDbl(t); });
    zoret::setLocaleSeparators({});
}

void integerRoundTrip(zoret::Integer i, const zoret::LocaleSeparators& locale)
{
    zoret::setLocaleSeparators(locale);
    const std::string text = zoret::CStr(i);
    const std::string where = "CStr(" + show(i) + ") = " + quoted(text);
    try {
        FUZZ_CHECK(zoret::CInt(text) == i, where + " read back by CInt as " + show(zoret::CInt(text)));
        FUZZ_CHECK(zoret::CDbl(text) == i, where + " read back by CDbl as " + show(zoret::CDbl(text)));
    } catch (const RuntimeError& error) {
        fuzz::fail(where + " read back raised " + fuzz::codeName(error.code()));
    }
    zoret::setLocaleSeparators({});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const zoret::LocaleSeparators locale = fuzz::separators(in.byte());
    while (in.remaining() >= sizeof(double))
        doubleRoundTrip(in.raw<double>());
    // The same bytes read again as singles and as integers, so every input
    // exercises all three forms.
    fuzz::Input singles(data, size);
    singles.byte();
    while (singles.remaining() >= sizeof(float))
        singleRoundTrip(singles.raw<float>(), locale);
    fuzz::Input integers(data, size);
    integers.byte();
    while (integers.remaining() >= sizeof(zoret::Integer))
        integerRoundTrip(integers.raw<zoret::Integer>(), locale);
    return 0;
}
