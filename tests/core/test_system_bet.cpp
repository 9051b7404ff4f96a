// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/system_bet.h"

#include "core/convert.h"
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace zoret {
namespace {

std::vector<std::string> repeated(const std::string& item, int count)
{
    return std::vector<std::string>(static_cast<std::size_t>(count), item);
}

// ---------------------------------------------------------------------------
// Totals users have checked by hand, to the last digit.

struct TotalCase {
    const char* name;
    std::vector<std::string> items;
    int size;
    const char* caption;
};

void PrintTo(const TotalCase& c, std::ostream* os) { *os << c.name; }

class SystemTotalCaption : public ::testing::TestWithParam<TotalCase> {};

TEST_P(SystemTotalCaption, MatchesToTheLastDigit)
{
    const auto& c = GetParam();
    const auto result = evaluateSystem(c.items, c.size);
    EXPECT_EQ(systemTotalText(c.size, result.total), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SystemTotalCaption,
    ::testing::Values(TotalCase{"FourOddsSize2", {" 1.85", " 2.1", " 1.5", " 3"}, 2, " 26.16"},
                      TotalCase{"FourOddsSize3", {" 1.85", " 2.1", " 1.5", " 3"}, 3, " 35.2575"},
                      TotalCase{"FourOddsSize4", {" 1.85", " 2.1", " 1.5", " 3"}, 4, " 17.4825"},
                      TotalCase{"ThreeOddsSize2", {" 2", " 2.5", " 3"}, 2, " 18.5"},
                      TotalCase{"FiveOddsSize3", {"2.24", "2.69", "1.25", "2.78", "2.65"}, 3, " 119.2415"},
                      TotalCase{"TwentyOf1_5Size2", repeated("1.5", 20), 2, " 427.5"},
                      TotalCase{"TwentyOf1_5Size10", repeated("1.5", 20), 10, " 1.065396E+07"},
                      TotalCase{"TwentyOf1_5Size19", repeated("1.5", 20), 19, " 44336.7586669922"},
                      TotalCase{"TwentyOf100Size18", repeated("100", 20), 18, " 1.9E+38"},
                      TotalCase{"TwentyOf100Size19", repeated("100", 20), 19, " 2.00000011352822E+39"},
                      TotalCase{"TwentyOf150Size2", repeated("150", 20), 2, " 4275000"},
                      TotalCase{"TwentyOf105Size2", repeated("105", 20), 2, " 2094750"},
                      TotalCase{"EmptySize2", {}, 2, " 0"}, TotalCase{"EmptySize19", {}, 19, " 0"},
                      TotalCase{"SizeAboveCount", {" 1.85", " 2.1", " 1.5", " 3"}, 5, " 0"},
                      TotalCase{"JunkReadsAsZero", {"abc", " 2", "", " 3"}, 2, " 6"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemBet, FourOddsFillExactlyTheirCells)
{
    const std::vector<std::string> items{" 1.85", " 2.1", " 1.5", " 3"};
    const auto odds = loadOdds(items);
    EXPECT_EQ(odds.at[0], 0.0f);
    EXPECT_EQ(odds.at[1], 1.85f);
    EXPECT_EQ(odds.at[2], 2.1f);
    EXPECT_EQ(odds.at[3], 1.5f);
    EXPECT_EQ(odds.at[4], 3.0f);

    const auto table = buildTailSums(odds);
    auto expected = TailSums{};
    expected.cell[1][4] = 3.0f;
    expected.cell[1][3] = 4.5f;
    expected.cell[1][2] = 6.6f;
    expected.cell[2][3] = 4.5f;
    expected.cell[2][2] = 13.95f;
    expected.cell[3][2] = 9.45f;
    for (int k = 0; k <= 18; ++k)
        for (int i = 0; i <= 21; ++i)
            EXPECT_EQ(table.cell[k][i], expected.cell[k][i]) << "cell " << k << "," << i;
}

TEST(SystemBet, TotalOfSize2IsTheWidenedSingle)
{
    const std::vector<std::string> items{" 1.85", " 2.1", " 1.5", " 3"};
    const auto result = evaluateSystem(items, 2);
    EXPECT_EQ(result.total, double(26.16f));
    EXPECT_EQ(Str(result.total), " 26.1599998474121");
}

TEST(SystemBet, FiveOddsSize3IsTheExpectedSingle)
{
    const std::vector<std::string> items{"2.24", "2.69", "1.25", "2.78", "2.65"};
    EXPECT_EQ(evaluateSystem(items, 3).total, 119.241455078125);
}

TEST(SystemBet, TwentyOf1_5Size10IsTheExpectedSingle)
{
    EXPECT_EQ(evaluateSystem(repeated("1.5", 20), 10).total, 10653963.0);
}

TEST(SystemBet, OnlyTheLevelsTheSizeNeedsAreFormed)
{
    const auto items = repeated("1.5", 20);
    for (int size = 2; size <= 19; ++size) {
        const auto result = evaluateSystem(items, size);
        for (int k = 1; k <= 18; ++k) {
            const bool needed = k < size;
            for (int i = 2; i <= 21 - k; ++i)
                EXPECT_EQ(result.tailSums.cell[k][i] != 0.0f, needed) << "size " << size << " cell " << k << "," << i;
        }
    }
}

TEST(SystemBet, ItemsPastTwentyAreIgnored)
{
    auto items = repeated("2", 20);
    const auto twenty = evaluateSystem(items, 5).total;
    items.push_back("1e300");
    EXPECT_EQ(evaluateSystem(items, 5).total, twenty);
}

// ---------------------------------------------------------------------------
// Range errors.

struct OverflowCase {
    const char* name;
    std::vector<std::string> items;
    int size;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

class SystemOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(SystemOverflow, RaisesOverflow)
{
    const auto& c = GetParam();
    try {
        evaluateSystem(c.items, c.size);
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::Overflow);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, SystemOverflow,
                         ::testing::Values(OverflowCase{"TotalOf105Size18", repeated("105", 20), 18},
                                           OverflowCase{"LevelOf150Size18", repeated("150", 20), 18},
                                           OverflowCase{"LevelOf150Size19", repeated("150", 20), 19},
                                           OverflowCase{"ItemBeyondSingle", {"2", "1e39"}, 2},
                                           OverflowCase{"ItemBeyondDouble", {"2", "1e999"}, 2},
                                           OverflowCase{"NegativeBeyondSingle", {"-1e39"}, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SystemBet, FullTableOverflowsWhereOnlySmallSizesFit)
{
    const auto odds = loadOdds(repeated("150", 20));
    EXPECT_NO_THROW(buildTailSums(odds, 1));
    EXPECT_THROW(buildTailSums(odds, 18), RuntimeError);
}

TEST(SystemBet, RejectsSizesOutsideTheRange)
{
    const auto items = repeated("2", 20);
    for (int size : {-1, 0, 1, 20, 21})
        EXPECT_THROW(evaluateSystem(items, size), std::invalid_argument) << size;
    for (int size : {1, 20})
        EXPECT_THROW(systemTotalText(size, 1.0), std::invalid_argument) << size;
    const auto odds = loadOdds(items);
    EXPECT_THROW(buildTailSums(odds, 0), std::invalid_argument);
    EXPECT_THROW(buildTailSums(odds, 19), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// Random lists against an independent reference.

struct RandomList {
    std::vector<std::string> items;
    std::vector<float> odds;
};

// Odds 1.01..30.00 in steps of a hundredth, written the way the window
// writes them.
std::vector<RandomList> randomLists(int count)
{
    std::mt19937 generator(20240611u);
    std::uniform_int_distribution<int> length(3, 20);
    std::uniform_int_distribution<int> cents(101, 3000);
    std::vector<RandomList> lists(static_cast<std::size_t>(count));
    for (auto& list : lists) {
        const int n = length(generator);
        for (int i = 0; i < n; ++i) {
            const double value = cents(generator) / 100.0;
            list.items.push_back(Str(value));
            list.odds.push_back(static_cast<float>(value));
        }
    }
    return lists;
}

// e_k by the textbook recurrence, adding one odd at a time, in long double.
std::vector<long double> symmetricSums(const std::vector<float>& odds)
{
    std::vector<long double> e(odds.size() + 1, 0.0L);
    e[0] = 1.0L;
    for (std::size_t j = 0; j < odds.size(); ++j)
        for (std::size_t k = j + 1; k >= 1; --k)
            e[k] += e[k - 1] * static_cast<long double>(odds[j]);
    return e;
}

TEST(SystemBetRandom, TotalsMatchTheExactSymmetricSums)
{
    for (const auto& list : randomLists(2000)) {
        const auto exact = symmetricSums(list.odds);
        const int n = static_cast<int>(list.odds.size());
        for (int size = 2; size <= n - 1; ++size) {
            const long double total = evaluateSystem(list.items, size).total;
            const long double relative = (total - exact[size]) / exact[size];
            ASSERT_LT(relative < 0 ? -relative : relative, 1e-5L) << "n " << n << " size " << size;
        }
    }
}

TEST(SystemBetRandom, NeededLevelsGiveTheSameBitsAsTheFullTable)
{
    for (const auto& list : randomLists(300)) {
        const auto odds = loadOdds(list.items);
        const auto full = buildTailSums(odds);
        for (int size = 2; size <= 19; ++size) {
            const auto result = evaluateSystem(list.items, size);
            ASSERT_EQ(result.total, systemTotal(odds, full, size)) << "size " << size;
            for (int k = 1; k < size; ++k)
                ASSERT_EQ(result.tailSums.cell[k], full.cell[k]) << "level " << k;
        }
    }
}

} // namespace
} // namespace zoret
