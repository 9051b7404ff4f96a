// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork.h"

#include "core/convert.h"
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace zoret {
namespace {

// ---------------------------------------------------------------------------
// Margins.

struct MarginCase {
    const char* name;
    int outcomes;
    ForkOdds odds;
    const char* margin;
    bool fork;
};

void PrintTo(const MarginCase& c, std::ostream* os) { *os << c.name; }

class ForkMargin : public ::testing::TestWithParam<MarginCase> {};

TEST_P(ForkMargin, MatchesToTheLastDigit)
{
    const auto& c = GetParam();
    const auto margin = forkMargin(c.outcomes, c.odds);
    EXPECT_EQ(Str(margin), c.margin);
    EXPECT_EQ(isFork(margin), c.fork);
}

INSTANTIATE_TEST_SUITE_P(Examples, ForkMargin,
                         ::testing::Values(MarginCase{"Even2_1", 2, {2.1f, 2.1f, 0, 0}, " .952381", true},
                                           MarginCase{"EvenMoney", 2, {2, 2, 0, 0}, " 1", false},
                                           MarginCase{"Even1_9", 2, {1.9f, 1.9f, 0, 0}, " 1.052632", false},
                                           MarginCase{"NegativeOdds", 2, {-2, 3, 0, 0}, "-.1666667", false},
                                           MarginCase{"ThreeWay", 3, {2.5f, 4.2f, 6, 0}, " .8047619", true},
                                           MarginCase{"FourWay", 4, {4, 4, 4.5f, 5}, " .9222222", true},
                                           MarginCase{"LaterOddsIgnored", 2, {2, 2, 0, 0.5f}, " 1", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fork, HoleOfAnEvenFork)
{
    EXPECT_EQ(Str(holePercent(forkMargin(2, {2.1f, 2.1f, 0, 0}))), " 4.999993");
    EXPECT_EQ(holePercent(1.0f), 0.0f);
    EXPECT_EQ(holePercent(0.5f), 100.0f);
}

TEST(Fork, ZeroOddsAreRunTimeErrors)
{
    const auto codeOf = [](auto action) {
        try {
            action();
        } catch (const RuntimeError& error) {
            return error.code();
        }
        ADD_FAILURE() << "no error raised";
        return ErrorCode::TypeMismatch;
    };
    EXPECT_EQ(codeOf([] { forkMargin(2, {0, 2, 0, 0}); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(codeOf([] { forkMargin(2, {0, 0, 0, 0}); }), ErrorCode::Overflow);
    EXPECT_EQ(codeOf([] { forkMargin(3, {2, 2, 0, 0}); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(codeOf([] { forkMargin(4, {2, 2, 2, 0}); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(codeOf([] { holePercent(0); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(codeOf([] { forkStakes(2, {2, 2, 0, 0}, 100, 0, {}); }), ErrorCode::DivisionByZero);
    // An even split whose return leaves the single range.
    EXPECT_EQ(codeOf([] { forkStakes(2, {2.1f, 2.1f, 0, 0}, 3.3e38f, 0.952381f, {}); }), ErrorCode::Overflow);
    EXPECT_EQ(codeOf([] { forkStakes(2, {2.1f, 2.1f, 0, 0}, 1e38f, 0.25f, {true, false}); }), ErrorCode::Overflow);
}

TEST(Fork, RejectsOutcomeCountsOutsideTheRange)
{
    for (int outcomes : {0, 1, 5}) {
        EXPECT_THROW(forkMargin(outcomes, {2, 2, 2, 2}), std::invalid_argument);
        EXPECT_THROW(forkStakes(outcomes, {2, 2, 2, 2}, 100, 0.5f, {}), std::invalid_argument);
        EXPECT_THROW(centreKey(outcomes, {}), std::invalid_argument);
    }
}

// ---------------------------------------------------------------------------
// Stakes users have checked by hand. An empty stakes list is not checked.

struct SplitCase {
    const char* name;
    int outcomes;
    ForkOdds odds;
    Single sum;
    CentredSet centred;
    const char* totalReturn;
    std::vector<std::string> stakes;
    std::vector<std::string> payouts;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class ForkSplitExample : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ForkSplitExample, MatchesToTheLastDigit)
{
    const auto& c = GetParam();
    const auto split = forkStakes(c.outcomes, c.odds, c.sum, forkMargin(c.outcomes, c.odds), c.centred);
    EXPECT_EQ(Str(split.totalReturn), c.totalReturn);
    for (std::size_t i = 0; i < c.stakes.size(); ++i)
        EXPECT_EQ(Str(split.stakes[i]), c.stakes[i]) << "stake " << i + 1;
    for (std::size_t i = 0; i < c.payouts.size(); ++i)
        EXPECT_EQ(Str(split.payouts[i]), c.payouts[i]) << "payout " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Examples, ForkSplitExample,
                         ::testing::Values(SplitCase{"TwoEven",
                                                     2,
                                                     {2.2f, 1.9f, 0, 0},
                                                     100,
                                                     {},
                                                     " 101.9512",
                                                     {" 46.34146", " 53.65854", " 0", " 0"},
                                                     {" 101.9512", " 101.9512", " 0", " 0"}},
                                           SplitCase{"TwoFirstCentred",
                                                     2,
                                                     {2.2f, 1.9f, 0, 0},
                                                     100,
                                                     {true, false},
                                                     " 101.9512",
                                                     {" 47.36842", " 52.63158", " 0", " 0"},
                                                     {" 104.2105", " 100", " 0", " 0"}},
                                           SplitCase{"ThreeFirstCentred",
                                                     3,
                                                     {2.5f, 4.2f, 6, 0},
                                                     300,
                                                     {true, false, false},
                                                     " 372.7811",
                                                     {" 178.5714", " 71.42857", " 50", " 0"},
                                                     {" 446.4286", " 300", " 300", " 0"}},
                                           SplitCase{"ThreeTwoCentred",
                                                     3,
                                                     {2.5f, 4.2f, 6, 0},
                                                     300,
                                                     {true, true, false},
                                                     " 372.7811",
                                                     {" 156.7164", " 93.28358", " 50", " 0"},
                                                     {" 391.791", " 391.791", " 300", " 0"}},
                                           SplitCase{"FourThreeCentred",
                                                     4,
                                                     {4, 4, 4.5f, 5},
                                                     1000,
                                                     {true, true, true, false},
                                                     " 1084.337",
                                                     {" 276.9231", " 276.9231", " 246.1538", " 200"},
                                                     {" 1107.692", " 1107.692", " 1107.692", " 1000"}},
                                           SplitCase{"FourEven",
                                                     4,
                                                     {4, 4, 4.5f, 5},
                                                     1000,
                                                     {},
                                                     " 1084.337",
                                                     {},
                                                     {" 1084.337", " 1084.337", " 1084.337", " 1084.337"}},
                                           SplitCase{"CentredPastTheCountIgnored",
                                                     2,
                                                     {2.2f, 1.9f, 7, 7},
                                                     100,
                                                     {false, false, true, true},
                                                     " 101.9512",
                                                     {" 46.34146", " 53.65854", " 0", " 0"},
                                                     {" 101.9512", " 101.9512", " 0", " 0"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Every centred set, over many random forks.

struct CentredCase {
    int outcomes;
    unsigned mask; // bit i-1: outcome i centred
};

void PrintTo(const CentredCase& c, std::ostream* os) { *os << c.outcomes << " outcomes, mask " << c.mask; }

CentredSet setOf(const CentredCase& c)
{
    CentredSet set{};
    for (int i = 0; i < c.outcomes; ++i)
        set[static_cast<std::size_t>(i)] = (c.mask >> i & 1u) != 0;
    return set;
}

// Digit i or i+4 per outcome, outcome 1 leading, by plain arithmetic.
int expectedKey(const CentredCase& c)
{
    int key = 0;
    for (int i = 1; i <= c.outcomes; ++i)
        key = key * 10 + ((c.mask >> (i - 1) & 1u) ? i : i + 4);
    return key;
}

std::vector<CentredCase> allCentredSets()
{
    std::vector<CentredCase> cases;
    for (int outcomes = 2; outcomes <= 4; ++outcomes)
        for (unsigned mask = 0; mask < (1u << outcomes); ++mask)
            cases.push_back({outcomes, mask});
    return cases;
}

struct RandomFork {
    ForkOdds odds{};
    Single sum = 0;
};

// Odds to two decimals whose reciprocals add up to clearly less than one,
// and sums from a cent to a hundred thousand.
std::vector<RandomFork> randomForks(int outcomes, int count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> weight(0.05, 1.0);
    std::uniform_real_distribution<double> target(0.80, 0.99);
    std::uniform_int_distribution<int> cents(1, 10'000'000);
    std::vector<RandomFork> forks;
    while (static_cast<int>(forks.size()) < count) {
        RandomFork fork;
        double weights[4] = {};
        double total = 0;
        for (int i = 0; i < outcomes; ++i)
            total += weights[i] = weight(generator);
        const double margin = target(generator);
        double reciprocals = 0;
        for (int i = 0; i < outcomes; ++i) {
            const double odd = std::round(total / (weights[i] * margin) * 100) / 100;
            fork.odds[static_cast<std::size_t>(i)] = static_cast<float>(odd);
            reciprocals += 1 / odd;
        }
        fork.sum = static_cast<float>(cents(generator) / 100.0);
        if (reciprocals < 0.995)
            forks.push_back(fork);
    }
    return forks;
}

bool near(double a, double b, double relative = 1e-5) { return std::fabs(a - b) <= relative * std::fabs(b); }

class EveryCentredSet : public ::testing::TestWithParam<CentredCase> {};

TEST_P(EveryCentredSet, KeyReadsTheCodesInOrder)
{
    const auto& c = GetParam();
    EXPECT_EQ(centreKey(c.outcomes, setOf(c)), expectedKey(c));
}

TEST_P(EveryCentredSet, SplitsPayAsPromised)
{
    const auto& c = GetParam();
    const auto set = setOf(c);
    const auto n = static_cast<std::size_t>(c.outcomes);
    std::size_t ticked = 0;
    for (std::size_t i = 0; i < n; ++i)
        ticked += set[i] ? 1 : 0;
    const bool even = ticked == 0 || ticked == n;

    for (const auto& fork : randomForks(c.outcomes, 500, 7919u * c.mask + 31u * n)) {
        const auto margin = forkMargin(c.outcomes, fork.odds);
        ASSERT_TRUE(isFork(margin));
        const auto split = forkStakes(c.outcomes, fork.odds, fork.sum, margin, set);

        double staked = 0;
        for (std::size_t i = 0; i < n; ++i)
            staked += split.stakes[i];
        ASSERT_TRUE(near(staked, fork.sum)) << staked << " vs " << fork.sum;

        double centredPayout = 0;
        for (std::size_t i = 0; i < n; ++i) {
            ASSERT_GT(split.stakes[i], 0.0f);
            if (even) {
                ASSERT_TRUE(near(split.payouts[i], split.totalReturn)) << "outcome " << i + 1;
            } else if (set[i]) {
                // A centred outcome carries the profit, shared alike.
                if (centredPayout == 0)
                    centredPayout = split.payouts[i];
                ASSERT_TRUE(near(split.payouts[i], centredPayout)) << "outcome " << i + 1;
                ASSERT_GT(split.payouts[i], fork.sum) << "outcome " << i + 1;
            } else {
                ASSERT_TRUE(near(split.payouts[i], fork.sum)) << "outcome " << i + 1;
            }
        }
        for (std::size_t i = n; i < 4; ++i) {
            ASSERT_EQ(split.stakes[i], 0.0f);
            ASSERT_EQ(split.payouts[i], 0.0f);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKeys, EveryCentredSet, ::testing::ValuesIn(allCentredSets()),
                         [](const auto& info) { return "Key" + CStr(Integer(expectedKey(info.param))); });

TEST(Fork, EverythingCentredIsTheEvenSplit)
{
    for (int outcomes = 2; outcomes <= 4; ++outcomes) {
        CentredSet all{};
        for (int i = 0; i < outcomes; ++i)
            all[static_cast<std::size_t>(i)] = true;
        for (const auto& fork : randomForks(outcomes, 500, 104729u + outcomes)) {
            const auto margin = forkMargin(outcomes, fork.odds);
            const auto ticked = forkStakes(outcomes, fork.odds, fork.sum, margin, all);
            const auto none = forkStakes(outcomes, fork.odds, fork.sum, margin, {});
            ASSERT_EQ(ticked.totalReturn, none.totalReturn);
            ASSERT_EQ(ticked.stakes, none.stakes);
            ASSERT_EQ(ticked.payouts, none.payouts);
        }
    }
}

} // namespace
} // namespace zoret
