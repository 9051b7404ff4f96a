// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "core/pasted_odds.h"
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
// What a typed box takes, beside what Val takes of the same text.
const auto typed = [](std::string t) {
    return outcome([&] { return typedVal(t); }) + "|" + outcome([&] { return Val(t); });
};
// The events of a paste joined by "|", or "box" for a paste the box takes as text.
const auto pasted = [](std::string_view t) {
    const auto events = pastedEvents(t);
    std::string joined = events ? "" : "box";
    for (const std::string& event : events.value_or(std::vector<std::string>{}))
        joined += (joined.empty() ? "" : "|") + event;
    return events && events->empty() ? "none" : joined;
};

TEST(Conversions, Table)
{
    // clang-format off
    checkRows({
        {"ValOverflow", [] { return Val("1e999"); }, "error 6"},
        {"StrNegative", [&] { return Str(-1.5); }, "-1.5"},
        {"StrNoZeroBeforePoint", [&] { return Str(0.1); }, " .1"},
        {"StrIntegral", [&] { return Str(100.0); }, " 100"},
        {"StrNegativeZero", [&] { return Str(-0.0); }, " 0"},
        {"StrFifteenNines", [&] { return Str(999999999999999.0); }, " 999999999999999"},
        {"StrRoundsUpIntoExponent", [&] { return Str(999999999999999.9); }, " 1E+15"},
        {"StrSixteenDigits", [&] { return Str(1234567890123456.0); }, " 1.23456789012346E+15"},
        {"StrFourth", [&] { return Str(0.0001); }, " .0001"},
        {"StrSmallExponent", [&] { return Str(-1.25e-7); }, "-1.25E-07"},
        {"StrThreeDigitExponent", [&] { return Str(1e300); }, " 1E+300"},
        {"StrInfinity", [&] { return Str(inf); }, " Inf"},
        {"StrNegativeInfinity", [&] { return Str(-inf); }, "-Inf"},
        {"StrNaN", [&] { return Str(std::nan("")); }, " NaN"},
        {"SingleHalfComma", [&] { return cstr(",", 0.5f); }, "0,5"},
        {"SingleNegativeHalfComma", [&] { return cstr(",", -0.5f); }, "-0,5"},
        {"SingleSevenNines", [&] { return Str(9999999.0f); }, " 9999999"},
        {"SingleExponent", [&] { return Str(10653963.0f); }, " 1.065396E+07"},
        {"SingleZeroComma", [&] { return cstr(",", 0); }, "0"},
        {"SingleNegativeInfinityComma", [&] { return cstr(",", -float(inf)); }, "-Inf"},
        {"CStrIntegerMin", [&] { return CStr(Integer{-32768}); }, "-32768"},
        {"CDblPoint", [&] { return cdbl(".", " 2.5 "); }, "2.5"},
        {"CDblGrouped", [&] { return cdbl(".", "1,000.5"); }, "1000.5"},
        {"CDblGroupBetweenDigits", [&] { return cdbl(".", "2,5"); }, "25"},
        {"CDblTrailingGroup", [&] { return cdbl(".", "2,"); }, "error 13"},
        {"CDblEmpty", [&] { return cdbl(".", ""); }, "error 13"},
        {"CDblTrailingJunk", [&] { return cdbl(".", "2x"); }, "error 13"},
        {"CDblExponent", [&] { return cdbl(".", "-1e3"); }, "-1000"},
        {"CDblHex", [&] { return cdbl(".", "&H10"); }, "16"},
        {"CDblHexWithoutDigits", [&] { return cdbl(".", "&H"); }, "error 13"},
        {"CDblOctalBadDigit", [&] { return cdbl(".", "&O8"); }, "error 13"},
        {"CDblOverflow", [&] { return cdbl(".", "1e999"); }, "error 6"},
        {"CDblComma", [&] { return cdbl(",", "2,5"); }, "2.5"},
        {"CDblPointRefused", [&] { return cdbl(",", "2.5"); }, "error 13"},
        {"CDblNoBreakSpaceGroup", [&] { return cdbl(",", "1\xC2\xA0" "000,25"); }, "1000.25"},
        {"CDblLeadingComma", [&] { return cdbl(",", ",5"); }, "0.5"},
        {"TypedComma", [&] { return typed("2,10"); }, "2.1|2"},
        {"TypedLeadingComma", [&] { return typed(",5"); }, "0.5|0"},
        {"TypedSecondCommaEnds", [&] { return typed("1,2,3"); }, "1.2|1"},
        {"TypedPointThenComma", [&] { return typed("1.2,3"); }, "1.2|1.2"},
        {"TypedCommaExponent", [&] { return typed("2,5e2"); }, "250|2"},
        {"PastedRowBlanks", [&] { return pasted("1.85 2.10 3.00"); }, "1.85|2.10|3.00"},
        {"PastedRowSemicolons", [&] { return pasted("1,85;2,10;3"); }, "1,85|2,10|3"},
        {"PastedRowWithoutDigitsSkipped", [&] { return pasted("Хозяева 1.85 X 3.40; Гости ;4,2"); }, "1.85|3.40|4,2"},
        {"PastedRowOneNumber", [&] { return pasted("  1,85 "); }, "box"},
        {"PastedRowOneNumberAmongWords", [&] { return pasted("кэф 1,85"); }, "box"},
        {"PastedColumn", [&] { return pasted("1.5\r\n\r\n2,5 \nabc\r"); }, "1.5|2,5|abc"},
        {"PastedColumnOfRows", [&] { return pasted("1.5 2\n3;4"); }, "1.5|2|3|4"},
        {"PastedColumnOfWords", [&] { return pasted("a b\nc d"); }, "none"},
        {"PastedLineBreakAlone", [&] { return pasted("2,5\n"); }, "box"},
        {"EmptyDecimalMarkIsThePoint", [&] { return inLocale("", [] { return localeSeparators().decimal; }); }, "."},
    });
    // clang-format on
}

} // namespace
