// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "tests/core/rows.h"

#include <cmath>
#include <limits>

using namespace zoret;

namespace {

const auto val = [](std::string text) { return outcome([&] { return Val(text); }); };
const auto cint = [](double x) { return outcome([&] { return CInt(x); }); };
const auto clng = [](double x) { return outcome([&] { return CLng(x); }); };
// CStr of a single and CDbl/CInt of a text under the locale's decimal mark
// (the group mark is then the other of point and no-break space).
template <typename F>
std::string inLocale(const char* decimal, F call)
{
    setLocaleSeparators({decimal, decimal[0] == ',' ? "\xC2\xA0" : ","});
    const auto got = outcome(call);
    return setLocaleSeparators({}), got;
}
const auto cstr = [](const char* decimal, float x) { return inLocale(decimal, [&] { return CStr(x); }); };
const auto cdbl = [](const char* decimal, std::string t) { return inLocale(decimal, [&] { return CDbl(t); }); };
const auto cintText = [](const char* decimal, std::string t) { return inLocale(decimal, [&] { return CInt(t); }); };
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(Conversions, Table)
{
    // clang-format off
    checkRows({
        {"ValNoLeadingDigit", val("-.5"), "-0.5"},
        {"ValTrailingPoint", val("3."), "3"},
        {"ValSecondPointEndsIt", val("1.2.3"), "1.2"},
        {"ValExponentThenJunk", val("1E+3x"), "1000"},
        {"ValExponentWithoutDigits", val("1e+"), "1"},
        {"ValNoDigits", val("e5"), "0"},
        {"ValPlus", val("+7"), "7"},
        {"ValHexLowerCase", val("&hff"), "255"},
        {"ValOctalWithoutLetter", val("&17"), "15"},
        {"ValOctalEndsAtEight", val("&18"), "1"},
        {"ValRadixWithoutDigits", val("&H"), "0"},
        {"ValUnderflow", val("-1e-400"), "-0"},
        {"ValManyLeadingZeros", val("0.000000000000000000000000000000000000001e-300"), "0"},
        {"ValThirtyDigits", val("123456789012345678901234567890"), "1.2345678901234568e+29"},
        {"ValDoubleMax", val("1.7976931348623157e308"), "1.7976931348623157e+308"},
        {"ValOverflow", val("1e999"), "error 6"},
        {"ValNegativeOverflow", val("-1e309"), "error 6"},
        {"ValSmallMantissaOverflow", val("0.001e312"), "error 6"},
        {"ValStopsAtTheLocaleComma", exact(Val(cstr(",", 2.75f))), "2"},
        {"StrNegative", Str(-1.5), "-1.5"},
        {"StrNoZeroBeforePoint", Str(0.1), " .1"},
        {"StrIntegral", Str(100.0), " 100"},
        {"StrNegativeZero", Str(-0.0), " 0"},
        {"StrFifteenNines", Str(999999999999999.0), " 999999999999999"},
        {"StrRoundsUpIntoExponent", Str(999999999999999.9), " 1E+15"},
        {"StrSixteenDigits", Str(1234567890123456.0), " 1.23456789012346E+15"},
        {"StrWidenedSingle", Str(double(26.16f)), " 26.1599998474121"},
        {"StrFourth", Str(0.0001), " .0001"},
        {"StrSmallExponent", Str(-1.25e-7), "-1.25E-07"},
        {"StrThreeDigitExponent", Str(1e300), " 1E+300"},
        {"StrShortestOfASum", Str(1.5 * 2 * 1.1), " 3.3"},
        {"StrInfinity", Str(inf) + Str(-inf) + Str(std::nan("")), " Inf-Inf NaN"},
        {"SingleHalf", Str(0.5f) + "|" + cstr(",", 0.5f) + "|" + cstr(".", 0.5f), " .5|0,5|0.5"},
        {"SingleNegativeHalf", Str(-0.5f) + "|" + cstr(",", -0.5f) + "|" + cstr(".", -0.5f), "-.5|-0,5|-0.5"},
        {"SingleTwoDecimals", Str(26.16f) + "|" + cstr(",", 26.16f), " 26.16|26,16"},
        {"SingleSevenNines", Str(9999999.0f) + "|" + cstr(",", 9999999.0f), " 9999999|9999999"},
        {"SingleExponent", Str(10653963.0f) + "|" + cstr(",", 10653963.0f) + "|" + cstr(".", 10653963.0f), " 1.065396E+07|1,065396E+07|1.065396E+07"},
        {"SingleMargin", Str(0.952381f) + "|" + cstr(",", 0.952381f), " .952381|0,952381"},
        {"SingleRoundedTotal", Str(119.241455078125f) + "|" + cstr(".", 119.241455078125f), " 119.2415|119.2415"},
        {"SingleZero", Str(0.0f) + "|" + cstr(",", 0), " 0|0"},
        {"SingleNegativeInfinity", Str(-float(inf)) + "|" + cstr(",", -float(inf)), "-Inf|-Inf"},
        {"CStrIntegerMin", CStr(Integer{-32768}), "-32768"},
        {"RoundHalfDown", cint(2.5) + "|" + clng(2.5), "2|2"},
        {"RoundHalfUp", cint(3.5) + "|" + clng(3.5), "4|4"},
        {"RoundNegativeHalf", cint(-2.5) + "|" + clng(-2.5), "-2|-2"},
        {"RoundBelowHalf", cint(2.4999) + "|" + clng(2.4999), "2|2"},
        {"RoundIntegerMax", cint(32767.4), "32767"},
        {"RoundPastIntegerMax", cint(32767.5) + "|" + clng(32767.5), "error 6|32768"},
        {"RoundIntegerMin", cint(-32768.5), "-32768"},
        {"RoundPastIntegerMin", cint(-32769) + "|" + clng(-32769), "error 6|-32769"},
        {"RoundLongMax", clng(2147483647.0), "2147483647"},
        {"RoundPastLongMax", clng(2147483648.0), "error 6"},
        {"RoundNaN", cint(std::nan("")) + "|" + clng(std::nan("")), "error 6|error 6"},
        {"CDblPoint", cdbl(".", " 2.5 "), "2.5"},
        {"CDblGrouped", cdbl(".", "1,000.5"), "1000.5"},
        {"CDblGroupBetweenDigits", cdbl(".", "2,5"), "25"},
        {"CDblTrailingGroup", cdbl(".", "2,"), "error 13"},
        {"CDblEmpty", cdbl(".", ""), "error 13"},
        {"CDblTrailingJunk", cdbl(".", "2x"), "error 13"},
        {"CDblExponent", cdbl(".", "-1e3"), "-1000"},
        {"CDblHex", cdbl(".", "&H10"), "16"},
        {"CDblHexWithoutDigits", cdbl(".", "&H"), "error 13"},
        {"CDblOctalBadDigit", cdbl(".", "&O8"), "error 13"},
        {"CDblOverflow", cdbl(".", "1e999"), "error 6"},
        {"CDblComma", cdbl(",", "2,5"), "2.5"},
        {"CDblPointRefused", cdbl(",", "2.5"), "error 13"},
        {"CDblNoBreakSpaceGroup", cdbl(",", "1\xC2\xA0" "000,25"), "1000.25"},
        {"CDblLeadingComma", cdbl(",", ",5"), "0.5"},
        {"CDblSignOnly", cdbl(",", "-"), "error 13"},
        {"CIntRoundsTheLocaleNumber", cintText(",", "2,5"), "2"},
        {"CIntPastTheRange", cintText(",", "40000"), "error 6"},
        {"CIntOfLetters", cintText(",", "x"), "error 13"},
        {"EmptyDecimalMarkIsThePoint", inLocale("", [] { return localeSeparators().decimal; }), "."},
    });
    // clang-format on
}

} // namespace
