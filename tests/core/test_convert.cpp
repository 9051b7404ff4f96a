// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/core/rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zoret;

namespace {

struct Row {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(Conversions, ValReadsTheLeadingNumber)
{
    // clang-format off
    for (const auto& [name, text, expected] : std::initializer_list<Row>{
        {"Decimal", "1.85", "1.85"},
        {"CommaEndsIt", "1,85", "1"},
        {"BlanksInside", " 1 . 5 ", "1.5"},
        {"TabAndNewline", "\t2\n.5", "2.5"},
        {"NoLeadingDigit", "-.5", "-0.5"},
        {"TrailingPoint", "3.", "3"},
        {"SecondPointEndsIt", "1.2.3", "1.2"},
        {"DExponent", "1D-2", "0.01"},
        {"ExponentThenJunk", "1E+3x", "1000"},
        {"ExponentWithoutDigits", "1e+", "1"},
        {"NoDigits", "e5", "0"},
        {"SignOnly", "-", "0"},
        {"Plus", "+7", "7"},
        {"HexSignBit", "&HFFFF", "-1"},
        {"HexLowerCase", "&hff", "255"},
        {"Hex32Bit", "&H10000", "65536"},
        {"Hex32SignBit", "&HFFFFFFFF", "-1"},
        {"Octal", "&O17", "15"},
        {"OctalWithoutLetter", "&17", "15"},
        {"OctalEndsAtEight", "&18", "1"},
        {"RadixWithoutDigits", "&H", "0"},
        {"Underflow", "-1e-400", "-0"},
        {"ManyLeadingZeros", "0.000000000000000000000000000000000000001e-300", "0"},
        {"ThirtyDigits", "123456789012345678901234567890", "1.2345678901234568e+29"},
        {"DoubleMax", "1.7976931348623157e308", "1.7976931348623157e+308"},
        {"Overflow", "1e999", "error 6"},
        {"NegativeOverflow", "-1e309", "error 6"},
        {"SmallMantissaOverflow", "0.001e312", "error 6"},
        {"RadixOverflow", "&H100000000", "error 6"},
         })
        // clang-format on
        EXPECT_EQ(outcome([&] { return Val(text); }), expected) << name;
}

TEST(Conversions, StrWrites15DigitsOfADouble)
{
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    for (const auto& [name, value, expected] : std::initializer_list<std::tuple<const char*, double, const char*>>{
        {"Negative", -1.5, "-1.5"},
        {"NoZeroBeforePoint", 0.1, " .1"},
        {"Integral", 100, " 100"},
        {"NegativeZero", -0.0, " 0"},
        {"FifteenNines", 999999999999999.0, " 999999999999999"},
        {"RoundsUpIntoExponent", 999999999999999.9, " 1E+15"},
        {"SixteenDigits", 1234567890123456.0, " 1.23456789012346E+15"},
        {"WidenedSingle", static_cast<double>(26.16f), " 26.1599998474121"},
        {"Fourth", 0.0001, " .0001"},
        {"SmallExponent", -1.25e-7, "-1.25E-07"},
        {"ThreeDigitExponent", 1e300, " 1E+300"},
        {"ShortestOfASum", 1.5 * 2 * 1.1, " 3.3"},
        {"Infinity", inf, " Inf"},
        {"NegativeInfinity", -inf, "-Inf"},
        {"NaN", std::nan(""), " NaN"},
         })
        // clang-format on
        EXPECT_EQ(Str(value), expected) << name;
}

TEST(Conversions, SinglesWrite7DigitsAndCStrTheLocaleMark)
{
    // clang-format off
    for (const auto& [name, value, str, comma, point] : std::initializer_list<std::tuple<const char*, float, const char*, const char*, const char*>>{
        {"Half", 0.5f, " .5", "0,5", "0.5"},
        {"NegativeHalf", -0.5f, "-.5", "-0,5", "-0.5"},
        {"TwoDecimals", 26.16f, " 26.16", "26,16", "26.16"},
        {"SevenNines", 9999999.0f, " 9999999", "9999999", "9999999"},
        {"Exponent", 10653963.0f, " 1.065396E+07", "1,065396E+07", "1.065396E+07"},
        {"Margin", 0.952381f, " .952381", "0,952381", "0.952381"},
        {"RoundedTotal", 119.241455078125f, " 119.2415", "119,2415", "119.2415"},
        {"Zero", 0, " 0", "0", "0"},
        {"NegativeInfinity", -std::numeric_limits<float>::infinity(), "-Inf", "-Inf", "-Inf"},
         }) {
        // clang-format on
        EXPECT_EQ(Str(value), str) << name;
        setLocaleSeparators({",", "\xC2\xA0"});
        EXPECT_EQ(CStr(value), comma) << name;
        setLocaleSeparators({".", ","});
        EXPECT_EQ(CStr(value), point) << name;
    }
    EXPECT_EQ(CStr(Integer{-32768}), "-32768");
}

TEST(Conversions, CIntAndCLngRoundHalvesToEven)
{
    // clang-format off
    for (const auto& [name, value, cint, clng] : std::initializer_list<std::tuple<const char*, double, const char*, const char*>>{
        {"HalfDown", 2.5, "2", "2"},
        {"HalfUp", 3.5, "4", "4"},
        {"NegativeHalf", -2.5, "-2", "-2"},
        {"BelowHalf", 2.4999, "2", "2"},
        {"IntegerMax", 32767.4, "32767", "32767"},
        {"PastIntegerMax", 32767.5, "error 6", "32768"},
        {"IntegerMin", -32768.5, "-32768", "-32768"},
        {"PastIntegerMin", -32769, "error 6", "-32769"},
        {"LongMax", 2147483647.0, "error 6", "2147483647"},
        {"PastLongMax", 2147483648.0, "error 6", "error 6"},
        {"NaN", std::nan(""), "error 6", "error 6"},
         }) {
        // clang-format on
        EXPECT_EQ(outcome([&] { return CInt(value); }), cint) << name;
        EXPECT_EQ(outcome([&] { return CLng(value); }), clng) << name;
    }
}

TEST(Conversions, CDblReadsTheWholeTextInTheLocale)
{
    // clang-format off
    for (const auto& [decimal, rows] : std::initializer_list<std::pair<const char*, std::vector<Row>>>{
        {".", {{"Point", " 2.5 ", "2.5"},
        {"Grouped", "1,000.5", "1000.5"},
        {"GroupBetweenDigits", "2,5", "25"},
        {"TrailingGroup", "2,", "error 13"},
        {"Empty", "", "error 13"},
        {"TrailingJunk", "2x", "error 13"},
        {"Exponent", "-1e3", "-1000"},
        {"Hex", "&H10", "16"},
        {"HexWithoutDigits", "&H", "error 13"},
        {"OctalBadDigit", "&O8", "error 13"},
        {"Overflow", "1e999", "error 6"}}},
        {",", {{"Comma", "2,5", "2.5"},
        {"PointRefused", "2.5", "error 13"},
        {"NoBreakSpaceGroup", "1\xC2\xA0" "000,25", "1000.25"},
        {"LeadingComma", ",5", "0.5"},
        {"SignOnly", "-", "error 13"}}},
         }) {
        // clang-format on
        setLocaleSeparators({decimal, decimal[0] == ',' ? "\xC2\xA0" : ","});
        for (const auto& [name, text, expected] : rows)
            EXPECT_EQ(outcome([&] { return CDbl(text); }), expected) << name;
    }
    setLocaleSeparators({",", " "});
    EXPECT_EQ(outcome([] { return CInt("2,5"); }), "2") << "CIntRoundsTheLocaleNumber";
    EXPECT_EQ(outcome([] { return CInt("40000"); }), "error 6") << "CIntPastTheRange";
    EXPECT_EQ(outcome([] { return CInt("x"); }), "error 13") << "CIntOfLetters";
    EXPECT_EQ(Val(CStr(2.75f)), 2) << "ValStopsAtTheLocaleComma";
    setLocaleSeparators({});
    EXPECT_EQ(localeSeparators().decimal, ".") << "EmptyDecimalMarkIsThePoint";
}

} // namespace
