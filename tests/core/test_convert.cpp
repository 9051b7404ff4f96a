// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace zoret;

namespace {

struct ValCase {
    const char* text;
    double value;
};

class ValReads : public testing::TestWithParam<ValCase> {};

TEST_P(ValReads, TheLeadingNumber)
{
    const double got = Val(GetParam().text);
    EXPECT_EQ(got, GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ValReads,
    testing::Values(ValCase{"1.85", 1.85}, ValCase{"1,85", 1}, ValCase{" 1 . 5 ", 1.5}, ValCase{"1 5.2", 15.2},
                    ValCase{"\t2\n.5", 2.5}, ValCase{"-.5", -0.5}, ValCase{".5", 0.5}, ValCase{"3.", 3},
                    ValCase{"1.2.3", 1.2}, ValCase{"1e2", 100}, ValCase{"1d2", 100}, ValCase{"1D-2", 0.01},
                    ValCase{"1E+3x", 1000}, ValCase{"e5", 0}, ValCase{"abc", 0}, ValCase{"", 0}, ValCase{" ", 0},
                    ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"+7", 7}, ValCase{"-", 0}, ValCase{".", 0},
                    ValCase{"&HFFFF", -1}, ValCase{"&hff", 255}, ValCase{"&H10000", 65536}, ValCase{"&HFFFFFFFF", -1},
                    ValCase{"&O17", 15}, ValCase{"&17", 15}, ValCase{"&18", 1}, ValCase{"&H", 0}, ValCase{"&", 0},
                    ValCase{"1e-400", 0},
                    ValCase{"0.000000000000000000000000000000000000000000000000000000000000000001e-300", 0},
                    ValCase{"123456789012345678901234567890", 123456789012345678901234567890.0},
                    ValCase{"1.7976931348623157e308", 1.7976931348623157e308}));

struct ErrorCase {
    const char* text;
    ErrorCode code;
};

class ValRaises : public testing::TestWithParam<ErrorCase> {};

TEST_P(ValRaises, OverflowBeyondTheDoubleRange)
{
    try {
        Val(GetParam().text);
        FAIL() << "no error for " << GetParam().text;
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(Conversions, ValRaises,
                         testing::Values(ErrorCase{"1e999", ErrorCode::Overflow},
                                         ErrorCase{"-1e309", ErrorCode::Overflow},
                                         ErrorCase{"0.001e312", ErrorCode::Overflow},
                                         ErrorCase{"&H100000000", ErrorCode::Overflow}));

struct TextCase {
    double value;
    const char* text;
};

class StrOfDouble : public testing::TestWithParam<TextCase> {};

TEST_P(StrOfDouble, Writes15Digits) { EXPECT_EQ(Str(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Conversions, StrOfDouble,
    testing::Values(TextCase{1.5, " 1.5"}, TextCase{-1.5, "-1.5"}, TextCase{0.1, " .1"}, TextCase{100, " 100"},
                    TextCase{0, " 0"}, TextCase{-0.0, " 0"}, TextCase{-0.25, "-.25"}, TextCase{0.5, " .5"},
                    TextCase{1e15, " 1E+15"}, TextCase{1234567890123456.0, " 1.23456789012346E+15"},
                    TextCase{999999999999999.0, " 999999999999999"}, TextCase{999999999999999.9, " 1E+15"},
                    TextCase{static_cast<double>(1.1f), " 1.10000002384186"},
                    TextCase{static_cast<double>(26.16f), " 26.1599998474121"},
                    TextCase{100.0 / 3, " 33.3333333333333"}, TextCase{1.0 / 3, " .333333333333333"},
                    TextCase{0.0001, " .0001"}, TextCase{0.00001, " 1E-05"}, TextCase{-1.25e-7, "-1.25E-07"},
                    TextCase{1e300, " 1E+300"}, TextCase{2.00000011352822e39, " 2.00000011352822E+39"},
                    TextCase{3.3, " 3.3"}, TextCase{1.5 * 2 * 1.1, " 3.3"}));

struct SingleCase {
    float value;
    const char* str;
    const char* cstrComma;
};

class SingleText : public testing::TestWithParam<SingleCase> {};

TEST_P(SingleText, Writes7DigitsAndTheLocaleSeparatorInCStr)
{
    setLocaleSeparators({",", "\xC2\xA0"});
    EXPECT_EQ(Str(GetParam().value), GetParam().str);
    EXPECT_EQ(CStr(GetParam().value), GetParam().cstrComma);
    setLocaleSeparators({".", ","});
    std::string withPoint = GetParam().cstrComma;
    for (char& c : withPoint)
        if (c == ',')
            c = '.';
    EXPECT_EQ(CStr(GetParam().value), withPoint);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, SingleText,
    testing::Values(SingleCase{0.5f, " .5", "0,5"}, SingleCase{-0.5f, "-.5", "-0,5"},
                    SingleCase{26.16f, " 26.16", "26,16"}, SingleCase{10653963.0f, " 1.065396E+07", "1,065396E+07"},
                    SingleCase{9999999.0f, " 9999999", "9999999"}, SingleCase{1.9e38f, " 1.9E+38", "1,9E+38"},
                    SingleCase{0.952381f, " .952381", "0,952381"}, SingleCase{4.999993f, " 4.999993", "4,999993"},
                    SingleCase{0, " 0", "0"}, SingleCase{100, " 100", "100"},
                    SingleCase{119.241455078125f, " 119.2415", "119,2415"}, SingleCase{-700, "-700", "-700"}));

TEST(StrOfNonFinite, NamesItInsteadOfShowingANumber)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Str(inf), " Inf");
    EXPECT_EQ(Str(-inf), "-Inf");
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()), " NaN");
    EXPECT_EQ(Str(std::numeric_limits<float>::infinity()), " Inf");
    EXPECT_EQ(CStr(-std::numeric_limits<float>::infinity()), "-Inf");
}

TEST(CStrOfInteger, PlainDigits)
{
    EXPECT_EQ(CStr(Integer{12}), "12");
    EXPECT_EQ(CStr(Integer{-3}), "-3");
    EXPECT_EQ(CStr(Integer{-32768}), "-32768");
}

struct RoundCase {
    double value;
    long long rounded; // ignored when the case overflows
    bool overflowsInteger;
};

class RoundingToIntegers : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundingToIntegers, HalvesGoToEven)
{
    const RoundCase& c = GetParam();
    if (c.overflowsInteger) {
        EXPECT_THROW(CInt(c.value), RuntimeError);
    } else {
        EXPECT_EQ(CInt(c.value), c.rounded);
    }
    EXPECT_EQ(CLng(c.value), c.rounded);
}

INSTANTIATE_TEST_SUITE_P(Conversions, RoundingToIntegers,
                         testing::Values(RoundCase{2.5, 2, false}, RoundCase{3.5, 4, false}, RoundCase{-2.5, -2, false},
                                         RoundCase{0.5, 0, false}, RoundCase{1.5, 2, false},
                                         RoundCase{2.4999, 2, false}, RoundCase{32767.4, 32767, false},
                                         RoundCase{32767.5, 32768, true}, RoundCase{-32768.5, -32768, false},
                                         RoundCase{-32769, -32769, true}, RoundCase{100000, 100000, true}));

TEST(CLng, RaisesOutsideTheLongRange)
{
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_THROW(CLng(2147483648.0), RuntimeError);
    EXPECT_THROW(CLng(std::nan("")), RuntimeError);
}

struct LocaleCase {
    const char* decimal;
    const char* text;
    double value; // NaN: type mismatch
};

class CDblInLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(CDblInLocale, ParsesTheWholeText)
{
    const LocaleCase& c = GetParam();
    setLocaleSeparators({c.decimal, std::strcmp(c.decimal, ",") == 0 ? "\xC2\xA0" : ","});
    if (std::isnan(c.value)) {
        try {
            CDbl(c.text);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::TypeMismatch) << c.text;
        }
    } else {
        EXPECT_EQ(CDbl(c.text), c.value) << c.text;
    }
    setLocaleSeparators({".", ","});
}

const double mismatch = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Conversions, CDblInLocale,
    testing::Values(LocaleCase{".", "2", 2}, LocaleCase{".", " 3 ", 3}, LocaleCase{".", "2.5", 2.5},
                    LocaleCase{".", "1,000.5", 1000.5}, LocaleCase{".", "2,5", 25}, LocaleCase{".", "", mismatch},
                    LocaleCase{".", "abc", mismatch}, LocaleCase{".", "2x", mismatch}, LocaleCase{".", "-1e3", -1000},
                    LocaleCase{".", "&H10", 16}, LocaleCase{",", "2,5", 2.5}, LocaleCase{",", "2.5", mismatch},
                    LocaleCase{",",
                               "1\xC2\xA0"
                               "000,25",
                               1000.25},
                    LocaleCase{",", "4", 4}, LocaleCase{",", ",5", 0.5}, LocaleCase{",", "-", mismatch}));

TEST(CIntOfText, RoundsAfterTheLocaleParse)
{
    setLocaleSeparators({",", " "});
    EXPECT_EQ(CInt("2,5"), 2);
    EXPECT_EQ(CInt("53"), 53);
    EXPECT_THROW(CInt("x"), RuntimeError);
    EXPECT_THROW(CInt("40000"), RuntimeError);
    setLocaleSeparators({".", ","});
}

TEST(ValOfCStr, ACommaTextReadsAsItsIntegerPart)
{
    setLocaleSeparators({",", " "});
    EXPECT_EQ(Val(CStr(0.5f)), 0);
    EXPECT_EQ(Val(CStr(2.75f)), 2);
    setLocaleSeparators({".", ","});
}

// Str keeps 15 (double) or 7 (single) significant digits; reading the text
// back must give exactly the value rounded to that many digits.
double roundedToDigits(double x, int digits)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, digits - 1);
    double back = 0;
    std::from_chars(buffer, r.ptr, back);
    return back;
}

TEST(RoundTrip, ValOfStrGivesTheDoubleRoundedTo15Digits)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 300);
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        ASSERT_EQ(Val(Str(x)), roundedToDigits(x, 15)) << Str(x);
    }
}

TEST(RoundTrip, ValOfStrGivesTheSingleRoundedTo7Digits)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t b = bits(random);
        float x;
        std::memcpy(&x, &b, sizeof x);
        if (!std::isfinite(x) || (x != 0 && std::fabs(x) < 1e-30f))
            continue;
        ASSERT_EQ(Val(Str(x)), roundedToDigits(static_cast<double>(x), 7)) << Str(x);
    }
}

} // namespace
