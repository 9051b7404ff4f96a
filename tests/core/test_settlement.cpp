// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"
#include "core/settlement_captions.h"
#include "tests/core/settlement_oracle.h"

#include <gtest/gtest.h>

using namespace zoret;

namespace {

constexpr auto O = Outcome::Open, W = Outcome::Won, L = Outcome::Lost, V = Outcome::Void, HW = Outcome::HalfWon,
               HL = Outcome::HalfLost;

TEST(Settlement, ReadingAndRoundingExactDecimals)
{
    const auto text = [](const std::optional<mpq_class>& v) { return v ? v->get_str() : "none"; };
    // clang-format off
    for (const auto& [name, got, expected] : std::initializer_list<std::tuple<const char*, std::string, const char*>>{
        {"ListDecimal", text(readListNumber(" 1.85")), "37/20"},
        {"ListExponent", text(readListNumber(" 1E-05")), "1/100000"},
        {"ListFifteenDigits", text(readListNumber(" 1.23456789012346E+15")), "1234567890123460"},
        {"ListBlanksInside", text(readListNumber("1 .5")), "3/2"},
        {"ListCommaEnds", text(readListNumber("2,15")), "2"},
        {"ListBeyondAnyDouble", text(readListNumber("1E99999")), "none"},
        {"SumComma", text(readSum("12,5")), "25/2"},
        {"SumPoint", text(readSum(" 12.5 ")), "25/2"},
        {"SumLeadingMark", text(readSum(",05")), "1/20"},
        {"SumTrailingMark", text(readSum("7,")), "7"},
        {"SumTwoMarks", text(readSum("1,2.3")), "none"},
        {"SumExponent", text(readSum("1e3")), "none"},
        {"SumMarkOnly", text(readSum(",")), "none"},
        {"MoneyHalfCentUp", moneyText(mpq_class(201, 200)), "1.01"},
        {"MoneyHalfCentAwayFromZero", moneyText(mpq_class(-201, 200)), "-1.01"},
        {"MoneyTinyLossIsZero", moneyText(mpq_class(-1, 250)), "0.00"},
        {"MoneyNoGrouping", moneyText(mpq_class(123456789, 100)), "1234567.89"},
         })
        // clang-format on
        EXPECT_EQ(got, expected) << name;
}

TEST(Settlement, OfferedBets)
{
    // clang-format off
    for (const auto& [name, events, bankers, expected] : std::initializer_list<std::tuple<const char*, int, int, const char*>>{
        {"OneBanker", 1, 1, "Ординар"},
        {"Two", 2, 0, "Экспресс"},
        {"Three", 3, 0, "Экспресс|Система 3/2"},
        {"FiveOneBanker", 5, 1, "Экспресс|Система 4/1|Система 4/2|Система 4/3"},
        {"TwoBesideBankers", 4, 2, "Экспресс"},
        {"TwentyOne", 21, 0, "Экспресс"},
         }) {
        // clang-format on
        std::string captions;
        for (const auto& bet : offeredBets(events, bankers))
            captions += (captions.empty() ? "" : "|") + betCaption(bet, events - bankers);
        EXPECT_EQ(captions, expected) << name;
    }
    const auto bets = offeredBets(6, 0);
    EXPECT_EQ(bets[keptBet(bets, Bet{BetKind::System, 4})], (Bet{BetKind::System, 4})) << "KeepsTheSize";
    EXPECT_EQ(keptBet(bets, Bet{BetKind::System, 1}), 0u) << "GoneSizeFallsBack";
    EXPECT_EQ(offeredBets(20, 0).size(), 19u) << "TwentyEvents";
}

std::vector<SlipEntry> slip(std::vector<const char*> odds, std::vector<Outcome> outcomes, int bankers = 0)
{
    std::vector<SlipEntry> entries;
    for (std::size_t i = 0; i < odds.size(); ++i)
        entries.push_back({odds[i], outcomes[i], int(i) < bankers});
    return entries;
}

// Lines | line stake | whole stake | lines won | payout | profit.
TEST(Settlement, WorkedExamples)
{
    const std::vector<const char*> five{" 1.9", " 2", " 2.5", " 2.8", " 3"},
        six{" 1.5", " 1.8", " 2", " 2.5", " 3", " 1.7"};
    const Bet threeOf{BetKind::System, 3}, twoOf{BetKind::System, 2}, single{BetKind::Single, 0};
    const auto perLine = SumMode::PerLine, whole = SumMode::WholeBet;
    const std::string refused(enterSumText), below1(coefficientBelowOneText);
    // clang-format off
    for (const auto& [name, entries, bet, sum, mode, expected] : std::initializer_list<std::tuple<const char*, std::vector<SlipEntry>, Bet, const char*, SumMode, std::string>>{
        {"ThreeOfFiveWon", slip(five, {W, W, W, W, W}), threeOf, "1000", whole, "10|100.00|1000.00|10|14185.00|13185.00"},
        {"EveryWay", slip(five, {W, V, HW, L, W}), threeOf, "1000", whole, "10|100.00|1000.00|4|2425.00|1425.00"},
        {"Open", slip(five, {O, O, O, O, O}), threeOf, "1000", whole, "10|100.00|1000.00|0|0.00 – 14185.00|-1000.00 – 13185.00"},
        {"Bankers", slip(six, {W, W, W, W, W, W}, 2), twoOf, "10", perLine, "6|10.00|60.00|6|843.75|783.75"},
        {"BankersOneLost", slip(six, {W, W, W, W, L, W}, 2), twoOf, "10", perLine, "6|10.00|60.00|3|341.55|281.55"},
        {"UnevenSplitPaysOnExactStake", slip({" 1.5", " 2", " 3"}, {W, W, W}), twoOf, "100", whole, "3|33.33|100.00|3|450.00|350.00"},
        {"HalfCentRoundsUp", slip({" 2.01"}, {W}), single, "0,5", perLine, "1|0.50|0.50|1|1.01|0.51"},
        {"TinyLossIsNotNegative", slip({" 2"}, {HL}), single, "0.009", perLine, "1|0.01|0.01|1|0.00|0.00"},
        {"HugeCoefficient", slip({" 1E+20"}, {W}), single, "1", perLine, "1|1.00|1.00|1|100000000000000000000.00|99999999999999999999.00"},
        {"BlankSum", slip(five, {W, W, W, W, W}), threeOf, "  ", whole, "|||||"},
        {"ZeroSum", slip(five, {W, W, W, W, W}), threeOf, "0", whole, "||||" + refused + "|"},
        {"LettersForSum", slip(five, {W, W, W, W, W}), threeOf, "сто", whole, "||||" + refused + "|"},
        {"CoefficientBelowOne", slip({" 1.5", " .95"}, {O, O}), Bet{}, "10", perLine, "||||" + below1 + "|"},
        {"BelowOneBlankSum", slip({" 1.5", " .95"}, {O, O}), Bet{}, "", perLine, "|||||"},
         }) {
        // clang-format on
        const auto s = settlementCaptions(entries, bet, sum, mode);
        EXPECT_EQ(s.lines + "|" + s.lineStake + "|" + s.totalStake + "|" + s.linesWon + "|" + s.payout + "|" + s.profit,
                  expected)
            << name;
        EXPECT_EQ(s.whatIf.empty(), s.lines.empty()) << name;
    }
    std::string rows;
    for (const auto& r : settlementCaptions(slip(five, {O, O, O, O, O}), threeOf, "1000", whole).whatIf)
        rows += r.winners + ":" + r.payoutLeast + "," + r.payoutMost + "," + r.profitLeast + "," + r.profitMost
                + (r.breaksEven ? "! " : " ");
    EXPECT_EQ(
        rows,
        "0:0.00,0.00,-1000.00,-1000.00 1:0.00,0.00,-1000.00,-1000.00 2:0.00,0.00,-1000.00,-1000.00 "
        "3:950.00,2100.00,-50.00,1100.00 4:4744.00,6680.00,3744.00,5680.00! 5:14185.00,14185.00,13185.00,13185.00! ");
}

// The brute force itself, on a slip whose every line a person can list.
TEST(Settlement, AgreesWithEverySubset)
{
    const std::vector<SlipEvent> events{{2, O, true}, {3, W}, {mpq_class(3, 2), O}, {5, HL}};
    const Bet bet{BetKind::System, 2};
    const auto brute = oracle::bruteForce(events, bet);
    EXPECT_EQ(brute.lines, 3) << "BankerWithTwoOfThree";
    EXPECT_EQ(brute.unitPayouts[2].most, mpq_class(2 * 3 * 3, 2) + 2 * 3 * mpq_class(1, 2) + 2 * mpq_class(3, 4))
        << "AllOpenWon";
    const auto mine = settle(events, bet, 1, SumMode::PerLine);
    EXPECT_EQ(mine.linesWon, brute.linesWon);
    for (std::size_t j = 0; j < brute.unitPayouts.size(); ++j)
        EXPECT_TRUE(mine.whatIf[j].payout.least == brute.unitPayouts[j].least
                    && mine.whatIf[j].payout.most == brute.unitPayouts[j].most)
            << j;
}

} // namespace
