// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork.h"
#include "core/fork_inputs.h"
#include "core/stake.h"
#include "tests/core/rows.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zoret;

namespace {

// Exact bits: the operand order of the three- and four-outcome sums decides
// the last one.
TEST(Fork, MarginsAndHoles)
{
    // clang-format off
    for (const auto& [name, outcomes, odds, margin, hole] : std::initializer_list<std::tuple<const char*, int, ForkOdds, const char*, const char*>>{
        {"EvenFork", 2, {2.1f, 2.1f, 9, 9}, "0.952381", "4.9999933"},
        {"EvenMoney", 2, {2, 2}, "1", "0"},
        {"NegativeOdd", 2, {-2, 3}, "-0.16666667", "-700"},
        {"ThreeWay", 3, {2.5f, 4.2f, 6}, "0.8047619", "24.260357"},
        {"ThreeWayLastBit", 3, {1.37f, 7.3f, 9.1f}, "0.9768034", "2.3747437"},
        {"FourWay", 4, {4, 4, 4.5f, 5}, "0.9222222", "8.433738"},
        {"FourWayLastBit", 4, {3.7f, 4.1f, 5.3f, 7.9f}, "0.8294342", "20.564112"},
        {"ZeroOdd", 2, {0, 2}, "error 11", ""},
        {"NoOdds", 2, {}, "error 6", ""},
        {"ThirdMissing", 3, {2, 2}, "error 11", ""},
        {"FourthMissing", 4, {2, 2, 2}, "error 11", ""},
         }) {
        // clang-format on
        EXPECT_EQ(outcome([&] { return forkMargin(outcomes, odds); }), margin) << name;
        if (*hole)
            EXPECT_EQ(exact(holePercent(forkMargin(outcomes, odds))), hole) << name;
    }
    EXPECT_TRUE(isFork(0.99f) && !isFork(1) && !isFork(0) && !isFork(-0.5f));
    EXPECT_EQ(outcome([] { return holePercent(0); }), "error 11");
    for (int outcomes : {1, 5}) {
        EXPECT_THROW(forkMargin(outcomes, {2, 2, 2, 2}), std::invalid_argument);
        EXPECT_THROW(forkStakes(outcomes, {2, 2, 2, 2}, 100, 0.5f, {}), std::invalid_argument);
        EXPECT_THROW(centreKey(outcomes, {}), std::invalid_argument);
    }
}

// Stakes and payouts, then the centring key, of every kind of centred set.
TEST(Fork, CentredSets)
{
    const auto show = [](const ForkSplit& s) {
        std::string out = Str(s.totalReturn) + " |";
        for (std::size_t i = 0; i < 4; ++i)
            out += Str(s.stakes[i]) + ":" + Str(s.payouts[i]).substr(1);
        return out;
    };
    // clang-format off
    for (const auto& [name, outcomes, odds, sum, centred, split, key] : std::initializer_list<std::tuple<const char*, int, ForkOdds, float, CentredSet, const char*, int>>{
        {"TwoEven", 2, {2.2f, 1.9f, 7, 7}, 100, {false, false, true, true}, " 101.9512 | 46.34146:101.9512 53.65854:101.9512 0:0 0:0", 56},
        {"TwoFirst", 2, {2.2f, 1.9f}, 100, {true}, " 101.9512 | 47.36842:104.2105 52.63158:100 0:0 0:0", 16},
        {"ThreeFirst", 3, {2.5f, 4.2f, 6}, 300, {true}, " 372.7811 | 178.5714:446.4286 71.42857:300 50:300 0:0", 167},
        {"ThreeTwo", 3, {2.5f, 4.2f, 6}, 300, {true, true}, " 372.7811 | 156.7164:391.791 93.28358:391.791 50:300 0:0", 127},
        {"FourThree", 4, {4, 4, 4.5f, 5}, 1000, {true, true, true}, " 1084.337 | 276.9231:1107.692 276.9231:1107.692 246.1538:1107.692 200:1000", 1238},
        {"FourAll", 4, {4, 4, 4.5f, 5}, 1000, {true, true, true, true}, " 1084.337 | 271.0844:1084.337 271.0844:1084.337 240.9639:1084.337 216.8675:1084.337", 1234},
         }) {
        // clang-format on
        EXPECT_EQ(show(forkStakes(outcomes, odds, sum, forkMargin(outcomes, odds), centred)), split) << name;
        EXPECT_EQ(centreKey(outcomes, centred), key) << name;
    }
    EXPECT_EQ(outcome([] { return forkStakes(2, {2, 2}, 100, 0, {}).totalReturn; }), "error 11") << "ZeroMargin";
    EXPECT_EQ(outcome([] { return forkStakes(2, {2.1f, 2.1f}, 3.3e38f, 0.952381f, {}).totalReturn; }), "error 6");
    EXPECT_EQ(outcome([] { return forkStakes(2, {2.1f, 2.1f}, 1e38f, 0.25f, {true}).totalReturn; }), "error 6");
    EXPECT_FALSE(splitForkSum(2, {1.9f, 1.9f}, 100, {}).split) << "NoForkNoSplit";
    EXPECT_EQ(exact(splitForkSum(2, {2.2f, 1.9f}, 100, {}).split->stakes[0]), "46.34146") << "SplitUsesItsOwnMargin";
}

// Which boxes a rule reads and what it keeps.
TEST(Fork, ReadingTheOdds)
{
    const ForkOdds kept{9, 9, 9, 9};
    // clang-format off
    for (const auto& [name, outcomes, typed, missing, stakesRead] : std::initializer_list<std::tuple<const char*, int, std::array<double, 4>, int, int>>{
        {"AllPrices", 3, {2.5, 4.2, 6, 0}, -1, 3},
        {"NegativeIsNoPrice", 2, {2.1, -2.1, 0, 0}, 1, 2},
        {"FirstOfTwoMissing", 4, {4, 0, 4.5, 0}, 1, 2},
         }) {
        // clang-format on
        int reads = 0;
        const OddsReader read = [&, t = typed](int i) { return ++reads, t[std::size_t(i)]; };
        const auto margin = oddsForMargin(outcomes, kept, read);
        EXPECT_EQ(margin.firstMissing.value_or(-1), missing) << name;
        EXPECT_EQ(reads, outcomes) << name;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(margin.odds[i], int(i) < outcomes ? Single(typed[i]) : 9) << name << i;
        reads = 0;
        EXPECT_EQ(oddsForStakes(outcomes, kept, read).has_value(), missing < 0) << name;
        EXPECT_EQ(reads, stakesRead) << name;
    }
}

TEST(Stake, ChecksInOrder)
{
    using enum StakeMode;
    using enum StakeVerdict;
    // clang-format off
    for (const auto& [name, mode, accumulators, typed, verdict, kept, reads] : std::initializer_list< std::tuple<const char*, StakeMode, Single, StakeFigures, StakeVerdict, StakeFigures, int>>{
        {"WinWithoutSystemReadsNothing", Win, 0, {0, 2, 100, 0}, AskSystem, {}, 0},
        {"StakeAsksForCoefficientFirst", Stake, 0, {20, 0, 0, 0}, AskCoefficient, {}, 1},
        {"StakeWithoutSystemKeepsNothing", Stake, 0, {20, 2, 0, 0}, AskSystem, {}, 1},
        {"MissingStakeKeepsTheWin", Coefficient, 10, {185, 0, 0, 0}, AskStake, {185, 0, 0, 0}, 1},
         }) {
        // clang-format on
        int count = 0;
        const auto solution = solveStake(mode, true, accumulators, [&, t = typed](StakeMode) { return ++count, t; });
        const auto& f = solution.figures;
        EXPECT_EQ(solution.verdict, verdict) << name;
        EXPECT_TRUE(f.win == kept.win && f.coefficient == kept.coefficient && f.stake == kept.stake
                    && f.result == kept.result)
            << name;
        EXPECT_EQ(count, reads) << name;
    }
}

} // namespace
