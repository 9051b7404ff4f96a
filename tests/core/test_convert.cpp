// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "tests/core/rows.h"

#include <cmath>
#include <limits>

using namespace zoret;

namespace {

// Under a decimal mark, with a no-break space grouping after a comma, else a comma.
template <typename F>
std::string inLocale(const char* decimal, F call)
{
    setLocaleSeparators({decimal, decimal[0] == ',' ? "\xC2\xA0" : ","});
    const auto got = outcome(call);
    return setLocaleSeparators({}), got;
}
const auto cstr = [](const char* decimal, float x) { return inLocale(decimal, [&] { return CStr(x); }); };
const auto cdbl = [](const char* decimal, std::string t) { return inLocale(decimal, [&] { return CDbl(t); }); };
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(Conversions, Table)
{
    // clang-format off
    checkRows({
        {"ValOverflow", outcome([] { return Val("1e999"); }), "error 6"},
        {"ValStopsAtTheLocaleComma", exact(Val(cstr(",", 2.75f))), "2"},
        {"StrNegative", Str(-1.5), "-1.5"}, {"StrNoZeroBeforePoint", Str(0.1), " .1"}, {"StrIntegral", Str(100.0), " 100"},
        {"StrNegativeZero", Str(-0.0), " 0"}, {"StrFifteenNines", Str(999999999999999.0), " 999999999999999"},
        {"StrRoundsUpIntoExponent", Str(999999999999999.9), " 1E+15"}, {"StrSixteenDigits", Str(1234567890123456.0), " 1.23456789012346E+15"},
        {"StrWidenedSingle", Str(double(26.16f)), " 26.1599998474121"}, {"StrFourth", Str(0.0001), " .0001"},
        {"StrSmallExponent", Str(-1.25e-7), "-1.25E-07"}, {"StrThreeDigitExponent", Str(1e300), " 1E+300"},
        {"StrShortestOfASum", Str(1.5 * 2 * 1.1), " 3.3"}, {"StrInfinity", Str(inf) + Str(-inf) + Str(std::nan("")), " Inf-Inf NaN"},
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
        {"RoundPastIntegerMax", outcome([] { return CInt(32767.5); }) + "|" + outcome([] { return CLng(32767.5); }), "error 6|32768"},
        {"RoundPastLongMax", outcome([] { return CLng(2147483648.0); }), "error 6"},
        {"CDblPoint", cdbl(".", " 2.5 "), "2.5"}, {"CDblGrouped", cdbl(".", "1,000.5"), "1000.5"}, {"CDblGroupBetweenDigits", cdbl(".", "2,5"), "25"},
        {"CDblTrailingGroup", cdbl(".", "2,"), "error 13"}, {"CDblEmpty", cdbl(".", ""), "error 13"},
        {"CDblTrailingJunk", cdbl(".", "2x"), "error 13"}, {"CDblExponent", cdbl(".", "-1e3"), "-1000"}, {"CDblHex", cdbl(".", "&H10"), "16"},
        {"CDblHexWithoutDigits", cdbl(".", "&H"), "error 13"}, {"CDblOctalBadDigit", cdbl(".", "&O8"), "error 13"},
        {"CDblOverflow", cdbl(".", "1e999"), "error 6"}, {"CDblComma", cdbl(",", "2,5"), "2.5"}, {"CDblPointRefused", cdbl(",", "2.5"), "error 13"},
        {"CDblNoBreakSpaceGroup", cdbl(",", "1\xC2\xA0" "000,25"), "1000.25"}, {"CDblLeadingComma", cdbl(",", ",5"), "0.5"},
        {"CDblSignOnly", cdbl(",", "-"), "error 13"},
        {"EmptyDecimalMarkIsThePoint", inLocale("", [] { return localeSeparators().decimal; }), "."},
    });
    // clang-format on
}

} // namespace
