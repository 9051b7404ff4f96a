// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "core/fork.h"
#include "core/fork_inputs.h"
#include "core/stake.h"
#include "tests/core/rows.h"

#include <stdexcept>

using namespace zoret;

namespace {

// The margin's exact bits, then the hole.
std::string margin(int outcomes, ForkOdds odds)
{
    const auto m = outcome([&] { return forkMargin(outcomes, odds); });
    return m[0] == 'e' ? m : m + "|" + exact(holePercent(forkMargin(outcomes, odds)));
}
// Total | stake:payout of each outcome | the centring key.
std::string split(int outcomes, ForkOdds odds, float sum, CentredSet centred)
{
    const auto s = forkStakes(outcomes, odds, sum, forkMargin(outcomes, odds), centred);
    std::string out = Str(s.totalReturn) + " |";
    for (std::size_t i = 0; i < 4; ++i)
        out += Str(s.stakes[i]) + ":" + Str(s.payouts[i]).substr(1);
    return out + " " + exact(centreKey(outcomes, centred));
}
// What the margin rule read and kept (the others stay 9), then whether the
// stakes rule found odds and how many boxes it read.
std::string reading(int outcomes, std::array<double, 4> typed)
{
    int reads = 0;
    const OddsReader read = [&](int i) { return ++reads, typed[std::size_t(i)]; };
    const auto m = oddsForMargin(outcomes, {9, 9, 9, 9}, read);
    std::string out = exact(m.firstMissing.value_or(-1)) + "|" + exact(reads) + "|";
    for (const auto odd : m.odds)
        out += exact(odd) + " ";
    reads = 0;
    out += oddsForStakes(outcomes, {9, 9, 9, 9}, read) ? "|odds" : "|none";
    return out + exact(reads);
}
// Verdict | the figures kept | boxes read.
std::string stake(StakeMode mode, Single accumulators, StakeFigures typed)
{
    int reads = 0;
    const auto s = solveStake(mode, true, accumulators, [&](StakeMode) { return ++reads, typed; });
    const auto& f = s.figures;
    return exact(int(s.verdict)) + "|" + Str(f.win) + Str(f.coefficient) + Str(f.stake) + Str(f.result) + "|"
           + exact(reads);
}

TEST(Fork, Table)
{
    using enum StakeMode;
    const auto verdict = [](StakeVerdict v) { return exact(int(v)) + "|"; };
    // clang-format off
    checkRows({
        {"EvenFork", margin(2, {2.1f, 2.1f, 9, 9}), "0.952381|4.9999933"},
        {"EvenMoney", margin(2, {2, 2}), "1|0"},
        {"NegativeOdd", margin(2, {-2, 3}), "-0.16666667|-700"},
        {"ThreeWay", margin(3, {2.5f, 4.2f, 6}), "0.8047619|24.260357"},
        {"ThreeWayLastBit", margin(3, {1.37f, 7.3f, 9.1f}), "0.9768034|2.3747437"},
        {"FourWay", margin(4, {4, 4, 4.5f, 5}), "0.9222222|8.433738"},
        {"FourWayLastBit", margin(4, {3.7f, 4.1f, 5.3f, 7.9f}), "0.8294342|20.564112"},
        {"ZeroOdd", margin(2, {0, 2}), "error 11"},
        {"NoOdds", margin(2, {}), "error 6"},
        {"ThirdMissing", margin(3, {2, 2}), "error 11"},
        {"FourthMissing", margin(4, {2, 2, 2}), "error 11"},
        {"HoleOfZero", outcome([] { return holePercent(0); }), "error 11"},
        {"IsFork", exact(isFork(0.99f) * 1000 + isFork(1) * 100 + isFork(0) * 10 + isFork(-0.5f)), "1000"},
        {"SplitTwoEven", split(2, {2.2f, 1.9f, 7, 7}, 100, {false, false, true, true}), " 101.9512 | 46.34146:101.9512 53.65854:101.9512 0:0 0:0 56"},
        {"SplitTwoFirst", split(2, {2.2f, 1.9f}, 100, {true}), " 101.9512 | 47.36842:104.2105 52.63158:100 0:0 0:0 16"},
        {"SplitThreeFirst", split(3, {2.5f, 4.2f, 6}, 300, {true}), " 372.7811 | 178.5714:446.4286 71.42857:300 50:300 0:0 167"},
        {"SplitThreeTwo", split(3, {2.5f, 4.2f, 6}, 300, {true, true}), " 372.7811 | 156.7164:391.791 93.28358:391.791 50:300 0:0 127"},
        {"SplitFourThree", split(4, {4, 4, 4.5f, 5}, 1000, {true, true, true}), " 1084.337 | 276.9231:1107.692 276.9231:1107.692 246.1538:1107.692 200:1000 1238"},
        {"SplitFourAll", split(4, {4, 4, 4.5f, 5}, 1000, {true, true, true, true}), " 1084.337 | 271.0844:1084.337 271.0844:1084.337 240.9639:1084.337 216.8675:1084.337 1234"},
        {"SplitZeroMargin", outcome([] { return forkStakes(2, {2, 2}, 100, 0, {}).totalReturn; }), "error 11"},
        {"SplitOverflow", outcome([] { return forkStakes(2, {2.1f, 2.1f}, 3.3e38f, 0.952381f, {}).totalReturn; }), "error 6"},
        {"CentredOverflow", outcome([] { return forkStakes(2, {2.1f, 2.1f}, 1e38f, 0.25f, {true}).totalReturn; }), "error 6"},
        {"NoForkNoSplit", exact(int(splitForkSum(2, {1.9f, 1.9f}, 100, {}).split.has_value())), "0"},
        {"SplitUsesItsOwnMargin", exact(splitForkSum(2, {2.2f, 1.9f}, 100, {}).split->stakes[0]), "46.34146"},
        {"ReadAllPrices", reading(3, {2.5, 4.2, 6, 0}), "-1|3|2.5 4.2 6 9 |odds3"},
        {"ReadNegativeIsNoPrice", reading(2, {2.1, -2.1, 0, 0}), "1|2|2.1 -2.1 9 9 |none2"},
        {"ReadFirstOfTwoMissing", reading(4, {4, 0, 4.5, 0}), "1|4|4 0 4.5 0 |none2"},
        {"WinWithoutSystemReadsNothing", stake(Win, 0, {0, 2, 100, 0}), verdict(StakeVerdict::AskSystem) + " 0 0 0 0|0"},
        {"StakeAsksForCoefficientFirst", stake(Stake, 0, {20, 0, 0, 0}), verdict(StakeVerdict::AskCoefficient) + " 0 0 0 0|1"},
        {"StakeWithoutSystemKeepsNothing", stake(Stake, 0, {20, 2, 0, 0}), verdict(StakeVerdict::AskSystem) + " 0 0 0 0|1"},
        {"MissingStakeKeepsTheWin", stake(Coefficient, 10, {185, 0, 0, 0}), verdict(StakeVerdict::AskStake) + " 185 0 0 0|1"},
    });
    // clang-format on
    for (int outcomes : {1, 5}) {
        EXPECT_THROW(forkMargin(outcomes, {2, 2, 2, 2}), std::invalid_argument);
        EXPECT_THROW(forkStakes(outcomes, {2, 2, 2, 2}, 100, 0.5f, {}), std::invalid_argument);
        EXPECT_THROW(centreKey(outcomes, {}), std::invalid_argument);
    }
}

} // namespace
