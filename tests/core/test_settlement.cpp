// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"
#include "core/settlement_captions.h"
#include "tests/core/rows.h"

using namespace zoret;

namespace {

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
// Lines | line stake | whole stake | lines won | payout | profit, then each
// "what if" row: winners: payouts, profits, ! when it breaks even.
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

TEST(Settlement, Table)
{
    const std::vector<const char*> five{" 1.9", " 2", " 2.5", " 2.8", " 3"},
        six{" 1.5", " 1.8", " 2", " 2.5", " 3", " 1.7"};
    const Bet threeOf{BetKind::System, 3}, twoOf{BetKind::System, 2}, single{BetKind::Single, 0};
    const auto perLine = SumMode::PerLine, whole = SumMode::WholeBet;
    // clang-format off
    checkRows({
        {"ListDecimal", decimal(readListNumber(" 1.85")), "37/20"},
        {"ListExponent", decimal(readListNumber(" 1E-05")), "1/100000"},
        {"ListFifteenDigits", decimal(readListNumber(" 1.23456789012346E+15")), "1234567890123460"},
        {"ListBlanksInside", decimal(readListNumber("1 .5")), "3/2"},
        {"ListCommaEnds", decimal(readListNumber("2,15")), "2"},
        {"ListBeyondAnyDouble", decimal(readListNumber("1E99999")), "none"},
        {"SumComma", decimal(readSum("12,5")), "25/2"},
        {"SumPoint", decimal(readSum(" 12.5 ")), "25/2"},
        {"SumLeadingMark", decimal(readSum(",05")), "1/20"},
        {"SumTrailingMark", decimal(readSum("7,")), "7"},
        {"SumTwoMarks", decimal(readSum("1,2.3")), "none"},
        {"SumExponent", decimal(readSum("1e3")), "none"},
        {"SumMarkOnly", decimal(readSum(",")), "none"},
        {"MoneyHalfCentUp", moneyText(mpq_class(201, 200)), "1.01"},
        {"MoneyHalfCentAwayFromZero", moneyText(mpq_class(-201, 200)), "-1.01"},
        {"MoneyTinyLossIsZero", moneyText(mpq_class(-1, 250)), "0.00"},
        {"MoneyNoGrouping", moneyText(mpq_class(123456789, 100)), "1234567.89"},
        {"BetsOneBanker", bets(1, 1), "Ординар"},
        {"BetsTwo", bets(2, 0), "Экспресс"},
        {"BetsThree", bets(3, 0), "Экспресс|Система 3/2"},
        {"BetsFiveOneBanker", bets(5, 1), "Экспресс|Система 4/1|Система 4/2|Система 4/3"},
        {"BetsTwoBesideBankers", bets(4, 2), "Экспресс"},
        {"BetsTwentyOne", bets(21, 0), "Экспресс"},
        {"BetsTwenty", exact(int(offeredBets(20, 0).size())), "19"},
        {"KeepsTheSize", exact(int(keptBet(offeredBets(6, 0), {BetKind::System, 4}))), "3"},
        {"GoneSizeFallsBack", exact(int(keptBet(offeredBets(6, 0), {BetKind::System, 1}))), "0"},
        {"ThreeOfFiveWon", settled(five, {W, W, W, W, W}, threeOf, "1000", whole), "10|100.00|1000.00|10|14185.00|13185.00 0:14185.00,14185.00,13185.00,13185.00!"},
        {"EveryWay", settled(five, {W, V, HW, L, W}, threeOf, "1000", whole), "10|100.00|1000.00|4|2425.00|1425.00 0:2425.00,2425.00,1425.00,1425.00!"},
        {"Open", settled(five, {O, O, O, O, O}, threeOf, "1000", whole), "10|100.00|1000.00|0|0.00 – 14185.00|-1000.00 – 13185.00"
            " 0:0.00,0.00,-1000.00,-1000.00 1:0.00,0.00,-1000.00,-1000.00 2:0.00,0.00,-1000.00,-1000.00 3:950.00,2100.00,-50.00,1100.00"
            " 4:4744.00,6680.00,3744.00,5680.00! 5:14185.00,14185.00,13185.00,13185.00!"},
        {"Bankers", settled(six, {W, W, W, W, W, W}, twoOf, "10", perLine, 2), "6|10.00|60.00|6|843.75|783.75 0:843.75,843.75,783.75,783.75!"},
        {"BankersOneLost", settled(six, {W, W, W, W, L, W}, twoOf, "10", perLine, 2), "6|10.00|60.00|3|341.55|281.55 0:341.55,341.55,281.55,281.55!"},
        {"UnevenSplitPaysOnExactStake", settled({" 1.5", " 2", " 3"}, {W, W, W}, twoOf, "100", whole), "3|33.33|100.00|3|450.00|350.00 0:450.00,450.00,350.00,350.00!"},
        {"HalfCentRoundsUp", settled({" 2.01"}, {W}, single, "0,5", perLine), "1|0.50|0.50|1|1.01|0.51 0:1.01,1.01,0.51,0.51!"},
        {"TinyLossIsNotNegative", settled({" 2"}, {HL}, single, "0.009", perLine), "1|0.01|0.01|1|0.00|0.00 0:0.00,0.00,0.00,0.00"},
        {"HugeCoefficient", settled({" 1E+20"}, {W}, single, "1", perLine), "1|1.00|1.00|1|100000000000000000000.00|99999999999999999999.00 0:100000000000000000000.00,100000000000000000000.00,99999999999999999999.00,99999999999999999999.00!"},
        {"BlankSum", settled(five, {W, W, W, W, W}, threeOf, "  ", whole), "|||||"},
        {"ZeroSum", settled(five, {W, W, W, W, W}, threeOf, "0", whole), "||||" + std::string(enterSumText) + "|"},
        {"LettersForSum", settled(five, {W, W, W, W, W}, threeOf, "сто", whole), "||||" + std::string(enterSumText) + "|"},
        {"CoefficientBelowOne", settled({" 1.5", " .95"}, {O, O}, Bet{}, "10", perLine), "||||" + std::string(coefficientBelowOneText) + "|"},
        {"BelowOneBlankSum", settled({" 1.5", " .95"}, {O, O}, Bet{}, "", perLine), "|||||"},
    });
    // clang-format on
}

} // namespace
