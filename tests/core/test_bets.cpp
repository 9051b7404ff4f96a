// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "core/exact_decimal.h"
#include "core/fork.h"
#include "core/fork_inputs.h"
#include "core/settlement_captions.h"
#include "core/stake.h"
#include "core/system_bet.h"
#include "core/system_captions.h"
#include "tests/core/rows.h"

#include <stdexcept>
#include <vector>

using namespace zoret;

namespace {

const std::vector<std::string> four{" 1.85", " 2.1", " 1.5", " 3"};
std::vector<std::string> twenty(const char* odd, const char* more = nullptr)
{
    std::vector<std::string> odds(20, odd);
    return more ? odds.push_back(more), odds : odds;
}
std::string total(const std::vector<std::string>& items, int size)
{
    return outcome([&] { return systemTotalText(size, evaluateSystem(items, size).total); });
}
std::string caption(int events, int size)
{
    return countCaption(systemKey(Integer(events), Integer(size))) + "|" + systemName(Integer(events), Integer(size));
}

// The margin's exact bits, then the hole.
std::string margin(int outcomes, ForkOdds odds)
{
    const auto m = outcome([&] { return forkMargin(outcomes, odds); });
    return m[0] == 'e' ? m : m + "|" + exact(holePercent(forkMargin(outcomes, odds)));
}
// Total | stake:payout of each outcome.
std::string split(int outcomes, ForkOdds odds, float sum, CentredSet centred)
{
    const auto s = forkStakes(outcomes, odds, sum, forkMargin(outcomes, odds), centred);
    std::string out = Str(s.totalReturn) + " |";
    for (std::size_t i = 0; i < 4; ++i)
        out += Str(s.stakes[i]) + ":" + Str(s.payouts[i]).substr(1);
    return out;
}
// What the margin rule read and kept (others stay 9), the stakes rule's odds and reads.
std::string reading(int outcomes, std::array<double, 4> typed)
{
    int reads = 0;
    const OddsReader read = [&](int i) { return ++reads, typed[std::size_t(i)]; };
    const auto m = oddsForMargin(outcomes, {9, 9, 9, 9}, read);
    std::string out = exact(m.firstMissing.value_or(-1)) + "|" + exact(reads) + "|";
    for (const auto odd : m.odds)
        out += exact(odd) + " ";
    reads = 0;
    const auto stakes = oddsForStakes(outcomes, {9, 9, 9, 9}, read);
    return out + (stakes ? "|" + exact((*stakes)[0]) + " " + exact((*stakes)[3]) : "|none") + "/" + exact(reads);
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

constexpr auto O = Outcome::Open, W = Outcome::Won, L = Outcome::Lost, V = Outcome::Void, HW = Outcome::HalfWon,
               HL = Outcome::HalfLost;
const auto decimal = [](const std::optional<mpq_class>& v) { return v ? v->get_str() : "none"; };
std::string bets(int events, int bankers)
{
    std::string captions;
    for (const auto& bet : offeredBets(events, bankers))
        captions += (captions.empty() ? "" : "|") + betCaption(bet, events - bankers);
    return captions;
}
// Lines|line stake|whole stake|lines won|payout|profit, each "what if" row (! breaks even).
std::string settled(std::vector<const char*> odds, std::vector<Outcome> outcomes, Bet bet, const char* sum,
                    SumMode mode, int bankers = 0)
{
    std::vector<SlipEntry> slip;
    for (std::size_t i = 0; i < odds.size(); ++i)
        slip.push_back({odds[i], outcomes[i], int(i) < bankers});
    const auto s = settlementCaptions(slip, bet, sum, mode);
    std::string out =
        s.lines + "|" + s.lineStake + "|" + s.totalStake + "|" + s.linesWon + "|" + s.payout + "|" + s.profit;
    for (const auto& r : s.whatIf)
        out += " " + r.winners + ":" + r.payoutLeast + "," + r.payoutMost + "," + r.profitLeast + "," + r.profitMost
               + (r.breaksEven ? "!" : "");
    return out;
}

TEST(Bets, Table)
{
    using enum StakeMode;
    const auto verdict = [](StakeVerdict v) { return exact(int(v)) + "|"; };
    const std::vector<const char*> five{" 1.9", " 2", " 2.5", " 2.8", " 3"},
        six{" 1.5", " 1.8", " 2", " 2.5", " 3", " 1.7"};
    const Bet threeOf{BetKind::System, 3}, twoOf{BetKind::System, 2}, single{BetKind::Single, 0};
    const auto perLine = SumMode::PerLine, whole = SumMode::WholeBet;
    // clang-format off
    checkRows({
        {"FourOfSize2", [&] { return total(four, 2); }, " 26.16"},
        {"FourOfSize4", [&] { return total(four, 4); }, " 17.4825"},
        {"Size19ShowsTheDouble", [&] { return total(twenty("1.5"), 19); }, " 44336.7586669922"},
        {"TwentyOf100Size18", [&] { return total(twenty("100"), 18); }, " 1.9E+38"},
        {"TwentyOf100Size19", [&] { return total(twenty("100"), 19); }, " 2.00000011352822E+39"},
        {"SizeAboveTheCount", [&] { return total(four, 5); }, " 0"},
        {"JunkReadsAsZero", [&] { return total({"abc", " 2", "", " 3"}, 2); }, " 6"},
        {"PastTwentyIgnored", [&] { return total(twenty("2", "1e300"), 19); }, " 10485760"},
        {"TotalBeyondSingle", [&] { return total(twenty("105"), 18); }, "error 6"},
        {"LevelBeyondSingle", [&] { return total(twenty("150"), 18); }, "error 6"},
        {"Size19LevelBeyondSingle", [&] { return total(twenty("150"), 19); }, "error 6"},
        {"OddBeyondSingle", [&] { return total({"2", "1e39"}, 2); }, "error 6"},
        {"NegativeOddBeyondSingle", [&] { return total({"-1e39"}, 2); }, "error 6"},
        {"TotalIsTheWidenedSingle", [&] { return exact(evaluateSystem(four, 2).total); }, exact(double(26.16f))},
        {"FiveOfThree", [&] { return caption(5, 3); }, "10 экспрессов|Система 5/3"},
        {"ThreeOfTwo", [&] { return caption(3, 2); }, "3 экспресса|Система 3/2"},
        {"SevenOfTwo", [&] { return caption(7, 2); }, "21 экспресс|Система 7/2"},
        {"TwentyOfTen", [&] { return caption(20, 10); }, "184756 экспрессов|Система 20/10"},
        {"TwentyOfNineteen", [&] { return caption(20, 19); }, "20 экспрессов|Система 20/19"},
        {"SizeOfAll", [&] { return caption(5, 5); }, "Unknown|Система 5/5"},
        {"SizeOne", [&] { return caption(5, 1); }, "Unknown|Система 5/1"},
        {"TwentyOne", [&] { return caption(21, 19); }, "Unknown|Система 21/19"},
        {"WordFour", [] { return accumulatorWord(4); }, "экспресса"},
        {"WordEleven", [] { return accumulatorWord(11); }, "экспрессов"},
        {"WordFourteen", [] { return accumulatorWord(14); }, "экспрессов"},
        {"WordTwentyTwo", [] { return accumulatorWord(22); }, "экспресса"},
        {"WordHundredTwelve", [] { return accumulatorWord(112); }, "экспрессов"},
        {"WordMinusTwentyOne", [] { return accumulatorWord(-21); }, "экспресс"},
        {"EvenFork", [&] { return margin(2, {2.1f, 2.1f, 9, 9}); }, "0.952381|4.9999933"},
        {"EvenMoney", [&] { return margin(2, {2, 2}); }, "1|0"},
        {"NegativeOdd", [&] { return margin(2, {-2, 3}); }, "-0.16666667|-700"},
        {"ThreeWayLastBit", [&] { return margin(3, {1.37f, 7.3f, 9.1f}); }, "0.9768034|2.3747437"},
        {"FourWayLastBit", [&] { return margin(4, {3.7f, 4.1f, 5.3f, 7.9f}); }, "0.8294342|20.564112"},
        {"ZeroOdd", [&] { return margin(2, {0, 2}); }, "error 11"},
        {"NoOdds", [&] { return margin(2, {}); }, "error 6"},
        {"ThirdMissing", [&] { return margin(3, {2, 2}); }, "error 11"},
        {"HoleOfZero", [] { return holePercent(0); }, "error 11"},
        {"IsForkBelowOne", [] { return exact(int(isFork(0.99f))); }, "1"},
        {"IsForkNotAtOne", [] { return exact(int(isFork(1))); }, "0"},
        {"IsForkNotAtZero", [] { return exact(int(isFork(0))); }, "0"},
        {"SplitTwoEven", [&] { return split(2, {2.2f, 1.9f, 7, 7}, 100, {false, false, true, true}); }, " 101.9512 | 46.34146:101.9512 53.65854:101.9512 0:0 0:0"},
        {"SplitTwoFirst", [&] { return split(2, {2.2f, 1.9f}, 100, {true}); }, " 101.9512 | 47.36842:104.2105 52.63158:100 0:0 0:0"},
        {"SplitFourThree", [&] { return split(4, {4, 4, 4.5f, 5}, 1000, {true, true, true}); }, " 1084.337 | 276.9231:1107.692 276.9231:1107.692 246.1538:1107.692 200:1000"},
        {"SplitZeroMargin", [] { return forkStakes(2, {2, 2}, 100, 0, {}).totalReturn; }, "error 11"},
        {"SplitOverflow", [] { return forkStakes(2, {2.1f, 2.1f}, 3.3e38f, 0.952381f, {}).totalReturn; }, "error 6"},
        {"CentredOverflow", [] { return forkStakes(2, {2.1f, 2.1f}, 1e38f, 0.25f, {true}).totalReturn; }, "error 6"},
        {"NoForkNoSplit", [&] { return exact(int(splitForkSum(2, {1.9f, 1.9f}, 100, {}).split.has_value())); }, "0"},
        {"SplitUsesItsOwnMargin", [&] { return exact(splitForkSum(2, {2.2f, 1.9f}, 100, {}).split->stakes[0]); }, "46.34146"},
        {"ReadAllPrices", [&] { return reading(3, {2.5, 4.2, 6, 0}); }, "-1|3|2.5 4.2 6 9 |2.5 9/3"},
        {"ReadNegativeIsNoPrice", [&] { return reading(2, {2.1, -2.1, 0, 0}); }, "1|2|2.1 -2.1 9 9 |none/2"},
        {"ReadFirstOfTwoMissing", [&] { return reading(4, {4, 0, 4.5, 0}); }, "1|4|4 0 4.5 0 |none/2"},
        {"WinWithoutSystemReadsNothing", [&] { return stake(Win, 0, {0, 2, 100, 0}); }, verdict(StakeVerdict::AskSystem) + " 0 0 0 0|0"},
        {"StakeAsksForCoefficientFirst", [&] { return stake(Stake, 0, {20, 0, 0, 0}); }, verdict(StakeVerdict::AskCoefficient) + " 0 0 0 0|1"},
        {"StakeWithoutSystemKeepsNothing", [&] { return stake(Stake, 0, {20, 2, 0, 0}); }, verdict(StakeVerdict::AskSystem) + " 0 0 0 0|1"},
        {"MissingStakeKeepsTheWin", [&] { return stake(Coefficient, 10, {185, 0, 0, 0}); }, verdict(StakeVerdict::AskStake) + " 185 0 0 0|1"},
        {"ListDecimal", [&] { return decimal(readListNumber(" 1.85")); }, "37/20"},
        {"ListBeyondAnyDouble", [&] { return decimal(readListNumber("1E99999")); }, "none"},
        {"ListWithoutDigitsIsZero", [&] { return decimal(readListNumber("-x")); }, "0"},
        {"SumPlus", [&] { return decimal(readSum("+5")); }, "5"},
        {"SumPoint", [&] { return decimal(readSum(" 12.5 ")); }, "25/2"},
        {"SumLeadingMark", [&] { return decimal(readSum(",05")); }, "1/20"},
        {"SumTrailingMark", [&] { return decimal(readSum("7,")); }, "7"},
        {"SumExponent", [&] { return decimal(readSum("1e3")); }, "none"},
        {"SumMarkOnly", [&] { return decimal(readSum(",")); }, "none"},
        {"MoneyHalfCentAwayFromZero", [&] { return moneyText(mpq_class(-201, 200)); }, "-1.01"},
        {"FixedNoDecimals", [&] { return fixedText(mpq_class(-5, 2), 0); }, "-3"},
        {"FixedThreeDecimals", [&] { return fixedText(mpq_class(-1, 16), 3); }, "-0.063"},
        {"BetsOneBanker", [&] { return bets(1, 1); }, "Ординар"},
        {"BetsTwo", [&] { return bets(2, 0); }, "Экспресс"},
        {"BetsThree", [&] { return bets(3, 0); }, "Экспресс|Система 3/2"},
        {"BetsFiveOneBanker", [&] { return bets(5, 1); }, "Экспресс|Система 4/1|Система 4/2|Система 4/3"},
        {"BetsTwenty", [&] { return exact(int(offeredBets(20, 0).size())); }, "19"},
        {"KeepsTheSize", [&] { return exact(int(keptBet(offeredBets(6, 0), {BetKind::System, 4}))); }, "3"},
        {"GoneSizeFallsBack", [&] { return exact(int(keptBet(offeredBets(6, 0), {BetKind::System, 1}))); }, "0"},
        {"EveryWay", [&] { return settled(five, {W, V, HW, L, W}, threeOf, "1000", whole); }, "10|100.00|1000.00|4|2425.00|1425.00 0:2425.00,2425.00,1425.00,1425.00!"},
        {"Open", [&] { return settled(five, {O, O, O, O, O}, threeOf, "1000", whole); }, "10|100.00|1000.00|0|0.00 – 14185.00|-1000.00 – 13185.00"
            " 0:0.00,0.00,-1000.00,-1000.00 1:0.00,0.00,-1000.00,-1000.00 2:0.00,0.00,-1000.00,-1000.00 3:950.00,2100.00,-50.00,1100.00"
            " 4:4744.00,6680.00,3744.00,5680.00! 5:14185.00,14185.00,13185.00,13185.00!"},
        {"BankersOneLost", [&] { return settled(six, {W, W, W, W, L, W}, twoOf, "10", perLine, 2); }, "6|10.00|60.00|3|341.55|281.55 0:341.55,341.55,281.55,281.55!"},
        {"UnevenSplitPaysOnExactStake", [&] { return settled({" 1.5", " 2", " 3"}, {W, W, W}, twoOf, "100", whole); }, "3|33.33|100.00|3|450.00|350.00 0:450.00,450.00,350.00,350.00!"},
        {"HalfCentRoundsUp", [&] { return settled({" 2.01"}, {W}, single, "0,5", perLine); }, "1|0.50|0.50|1|1.01|0.51 0:1.01,1.01,0.51,0.51!"},
        {"VoidBreaksEvenExactly", [&] { return settled({" 2"}, {V}, single, "10", perLine); }, "1|10.00|10.00|1|10.00|0.00 0:10.00,10.00,0.00,0.00!"},
        {"TinyLossIsNotNegative", [&] { return settled({" 2"}, {HL}, single, "0.009", perLine); }, "1|0.01|0.01|1|0.00|0.00 0:0.00,0.00,0.00,0.00"},
        {"HugeCoefficient", [&] { return settled({" 1E+20"}, {W}, single, "1", perLine); }, "1|1.00|1.00|1|100000000000000000000.00|99999999999999999999.00 0:100000000000000000000.00,100000000000000000000.00,99999999999999999999.00,99999999999999999999.00!"},
        {"BlankSum", [&] { return settled(five, {W, W, W, W, W}, threeOf, "  ", whole); }, "|||||"},
        {"ZeroSum", [&] { return settled(five, {W, W, W, W, W}, threeOf, "0", whole); }, "||||" + std::string(enterSumText) + "|"},
        {"LettersForSum", [&] { return settled(five, {W, W, W, W, W}, threeOf, "сто", whole); }, "||||" + std::string(enterSumText) + "|"},
        {"CoefficientBelowOne", [&] { return settled({" 1.5", " .95"}, {O, O}, Bet{}, "10", perLine); }, "||||" + std::string(coefficientBelowOneText) + "|"},
        {"BelowOneBlankSum", [&] { return settled({" 1.5", " .95"}, {O, O}, Bet{}, "", perLine); }, "|||||"},
    });
    // clang-format on
    for (int size : {1, 20}) {
        EXPECT_THROW(evaluateSystem(four, size), std::invalid_argument) << size;
        EXPECT_THROW(systemTotalText(size, 1), std::invalid_argument) << size;
    }
    EXPECT_THROW(buildTailSums(loadOdds(four), 0), std::invalid_argument) << "NoLevels";
    EXPECT_THROW(buildTailSums(loadOdds(four), 19), std::invalid_argument) << "NineteenLevels";
    for (int outcomes : {1, 5}) {
        EXPECT_THROW(forkMargin(outcomes, {2, 2, 2, 2}), std::invalid_argument);
        EXPECT_THROW(forkStakes(outcomes, {2, 2, 2, 2}, 100, 0.5f, {}), std::invalid_argument);
    }
}

} // namespace
