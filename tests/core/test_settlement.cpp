// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"
#include "core/settlement_captions.h"
#include "tests/core/settlement_oracle.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace zoret {
namespace {

constexpr auto O = Outcome::Open, W = Outcome::Won, L = Outcome::Lost, V = Outcome::Void, HW = Outcome::HalfWon,
               HL = Outcome::HalfLost;

std::string named(const char* name) { return name; }

// ---------------------------------------------------------------------------
// Reading and writing exact decimals.

struct ReadCase {
    const char* name;
    const char* text;
    const char* value; // as GMP writes a fraction; "" for nothing
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ListNumber : public ::testing::TestWithParam<ReadCase> {};
TEST_P(ListNumber, IsTheExactDecimal)
{
    const auto value = readListNumber(GetParam().text);
    EXPECT_EQ(value ? value->get_str() : "", GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(Texts, ListNumber,
                         ::testing::Values(ReadCase{"Decimal", " 1.85", "37/20"}, ReadCase{"Negative", "-2", "-2"},
                                           ReadCase{"Exponent", " 1E+20", "100000000000000000000"},
                                           ReadCase{"NoLeadingZero", " .5", "1/2"},
                                           ReadCase{"SmallExponent", " 1E-05", "1/100000"},
                                           ReadCase{"FifteenDigits", " 1.23456789012346E+15", "1234567890123460"},
                                           ReadCase{"BlanksInside", "1 .5", "3/2"}, ReadCase{"CommaEnds", "2,15", "2"},
                                           ReadCase{"Letters", "abc", "0"}, ReadCase{"BeyondAnyDouble", "1E99999", ""}),
                         [](const auto& info) { return named(info.param.name); });

class Sum : public ::testing::TestWithParam<ReadCase> {};
TEST_P(Sum, ReadsCommaOrPoint)
{
    const auto value = readSum(GetParam().text);
    EXPECT_EQ(value ? value->get_str() : "", GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(Texts, Sum,
                         ::testing::Values(ReadCase{"Comma", "12,5", "25/2"}, ReadCase{"Point", " 12.5 ", "25/2"},
                                           ReadCase{"LeadingSeparator", ",05", "1/20"},
                                           ReadCase{"TrailingSeparator", "7,", "7"}, ReadCase{"Minus", "-5", "-5"},
                                           ReadCase{"TwoSeparators", "1,2.3", ""}, ReadCase{"Exponent", "1e3", ""},
                                           ReadCase{"Grouped", "1 000", ""}, ReadCase{"SeparatorOnly", ",", ""}),
                         [](const auto& info) { return named(info.param.name); });

class Money : public ::testing::TestWithParam<ReadCase> {};
TEST_P(Money, TwoDecimalsHalvesAwayFromZero) { EXPECT_EQ(moneyText(mpq_class(GetParam().text)), GetParam().value); }
INSTANTIATE_TEST_SUITE_P(
    Amounts, Money,
    ::testing::Values(ReadCase{"HalfCentUp", "201/200", "1.01"}, ReadCase{"HalfCentDown", "-201/200", "-1.01"},
                      ReadCase{"BelowHalf", "497/500", "0.99"}, ReadCase{"TinyLoss", "-1/250", "0.00"},
                      ReadCase{"HalfLoss", "-1/200", "-0.01"}, ReadCase{"NoGrouping", "123456789/100", "1234567.89"}),
    [](const auto& info) { return named(info.param.name); });

// ---------------------------------------------------------------------------
// The bets a slip offers.

struct OfferCase {
    const char* name;
    int events;
    int bankers;
    const char* captions;
};
void PrintTo(const OfferCase& c, std::ostream* os) { *os << c.name; }

class Offered : public ::testing::TestWithParam<OfferCase> {};
TEST_P(Offered, InTheWindowsOrder)
{
    const auto& c = GetParam();
    std::string captions;
    for (const auto& bet : offeredBets(c.events, c.bankers))
        captions += (captions.empty() ? "" : "|") + betCaption(bet, c.events - c.bankers);
    EXPECT_EQ(captions, c.captions);
}
INSTANTIATE_TEST_SUITE_P(
    Slips, Offered,
    ::testing::Values(OfferCase{"OneEvent", 1, 0, "Ординар"}, OfferCase{"OneBanker", 1, 1, "Ординар"},
                      OfferCase{"Two", 2, 0, "Экспресс"}, OfferCase{"Three", 3, 0, "Экспресс|Система 3/2"},
                      OfferCase{"FiveOneBanker", 5, 1, "Экспресс|Система 4/1|Система 4/2|Система 4/3"},
                      OfferCase{"TwoLeftBesideBankers", 4, 2, "Экспресс"}, OfferCase{"TwentyOne", 21, 0, "Экспресс"}),
    [](const auto& info) { return named(info.param.name); });

TEST(Offered, KeepsTheChosenSizeWhereItStillExists)
{
    const auto bets = offeredBets(6, 0);
    EXPECT_EQ(bets[keptBet(bets, Bet{BetKind::System, 4})], (Bet{BetKind::System, 4}));
    EXPECT_EQ(keptBet(bets, Bet{BetKind::System, 1}), 0u);
    EXPECT_EQ(offeredBets(20, 0).size(), 19u); // the accumulator and 20/2 .. 20/19
}

// ---------------------------------------------------------------------------
// What the window shows.

struct ShowCase {
    const char* name;
    std::vector<SlipEntry> slip;
    Bet bet;
    const char* sum;
    SumMode mode;
    SettlementCaptions shown; // without the what-if rows
};
void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

std::vector<SlipEntry> slip(std::vector<const char*> texts, std::vector<Outcome> outcomes, int bankers = 0)
{
    std::vector<SlipEntry> entries;
    for (std::size_t i = 0; i < texts.size(); ++i)
        entries.push_back({texts[i], outcomes[i], static_cast<int>(i) < bankers});
    return entries;
}
const std::vector<const char*> fiveOdds{" 1.9", " 2", " 2.5", " 2.8", " 3"};
const std::vector<const char*> twoBankersFour{" 1.5", " 1.8", " 2", " 2.5", " 3", " 1.7"};
constexpr Bet threeOf{BetKind::System, 3}, twoOf{BetKind::System, 2}, single{BetKind::Single, 0};
constexpr auto perLine = SumMode::PerLine, whole = SumMode::WholeBet;
const std::string refused = std::string(enterSumText), below1 = std::string(coefficientBelowOneText);

class Shown : public ::testing::TestWithParam<ShowCase> {};
TEST_P(Shown, ResultLabels)
{
    const auto& c = GetParam();
    const auto shown = settlementCaptions(c.slip, c.bet, c.sum, c.mode);
    const auto labels = [](const SettlementCaptions& s) {
        return s.lines + "|" + s.lineStake + "|" + s.totalStake + "|" + s.linesWon + "|" + s.payout + "|" + s.profit;
    };
    EXPECT_EQ(labels(shown), labels(c.shown));
    EXPECT_EQ(shown.whatIf.empty(), c.shown.lines.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Slips, Shown,
    ::testing::Values(
        ShowCase{"ThreeOfFiveAllWon",
                 slip(fiveOdds, {W, W, W, W, W}),
                 threeOf,
                 "1000",
                 whole,
                 {"10", "100.00", "1000.00", "10", "14185.00", "13185.00", {}}},
        ShowCase{"ThreeOfFiveSettledEveryWay",
                 slip(fiveOdds, {W, V, HW, L, W}),
                 threeOf,
                 "1000",
                 whole,
                 {"10", "100.00", "1000.00", "4", "2425.00", "1425.00", {}}},
        ShowCase{"ThreeOfFiveOpen",
                 slip(fiveOdds, {O, O, O, O, O}),
                 threeOf,
                 "1000",
                 whole,
                 {"10", "100.00", "1000.00", "0", "0.00 – 14185.00", "-1000.00 – 13185.00", {}}},
        ShowCase{"BankersAllWon",
                 slip(twoBankersFour, {W, W, W, W, W, W}, 2),
                 twoOf,
                 "10",
                 perLine,
                 {"6", "10.00", "60.00", "6", "843.75", "783.75", {}}},
        ShowCase{"BankersOneLost",
                 slip(twoBankersFour, {W, W, W, W, L, W}, 2),
                 twoOf,
                 "10",
                 perLine,
                 {"6", "10.00", "60.00", "3", "341.55", "281.55", {}}},
        ShowCase{"UnevenSplitPaysOnExactStake",
                 slip({" 1.5", " 2", " 3"}, {W, W, W}),
                 twoOf,
                 "100",
                 whole,
                 {"3", "33.33", "100.00", "3", "450.00", "350.00", {}}},
        ShowCase{"HalfCentRoundsUp",
                 slip({" 2.01"}, {W}),
                 single,
                 "0,5",
                 perLine,
                 {"1", "0.50", "0.50", "1", "1.01", "0.51", {}}},
        ShowCase{"TinyLossIsNotNegativeZero",
                 slip({" 2"}, {HL}),
                 single,
                 "0.009",
                 perLine,
                 {"1", "0.01", "0.01", "1", "0.00", "0.00", {}}},
        ShowCase{"HugeCoefficient",
                 slip({" 1E+20"}, {W}),
                 single,
                 "1",
                 perLine,
                 {"1", "1.00", "1.00", "1", "100000000000000000000.00", "99999999999999999999.00", {}}},
        ShowCase{"BlankSum", slip(fiveOdds, {W, W, W, W, W}), threeOf, "  ", whole, {}},
        ShowCase{"ZeroSum", slip(fiveOdds, {W, W, W, W, W}), threeOf, "0", whole, {"", "", "", "", refused, "", {}}},
        ShowCase{
            "LettersForSum", slip(fiveOdds, {W, W, W, W, W}), threeOf, "сто", whole, {"", "", "", "", refused, "", {}}},
        ShowCase{"CoefficientBelowOne",
                 slip({" 1.5", " .95"}, {O, O}),
                 Bet{},
                 "10",
                 perLine,
                 {"", "", "", "", below1, "", {}}},
        ShowCase{"BelowOneWithBlankSum", slip({" 1.5", " .95"}, {O, O}), Bet{}, "", perLine, {}}),
    [](const auto& info) { return named(info.param.name); });

TEST(WhatIf, RowsOfThreeOfFive)
{
    const auto shown = settlementCaptions(slip(fiveOdds, {O, O, O, O, O}), threeOf, "1000", whole);
    std::string rows;
    for (const auto& row : shown.whatIf)
        rows += row.winners + ":" + row.payoutLeast + "," + row.payoutMost + "," + row.profitLeast + ","
                + row.profitMost + (row.breaksEven ? "!" : "") + " ";
    EXPECT_EQ(rows, "0:0.00,0.00,-1000.00,-1000.00 1:0.00,0.00,-1000.00,-1000.00 2:0.00,0.00,-1000.00,-1000.00 "
                    "3:950.00,2100.00,-50.00,1100.00 4:4744.00,6680.00,3744.00,5680.00! "
                    "5:14185.00,14185.00,13185.00,13185.00! ");
}

// ---------------------------------------------------------------------------
// Against every line and every way the open events can end.

TEST(WhatIf, AgreesWithEverySubset)
{
    const auto seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    for (int round = 0; round < 300; ++round) {
        std::vector<SlipEvent> events(static_cast<std::size_t>(1 + pick(8)));
        for (auto& e : events) {
            e = {mpq_class(100 + pick(400), pick(2) ? 100 : 10), static_cast<Outcome>(pick(3) ? 0 : pick(6)), !pick(4)};
            e.coefficient.canonicalize();
        }
        int bankers = 0;
        for (const auto& e : events)
            bankers += e.banker;
        const auto bets = offeredBets(static_cast<int>(events.size()), bankers);
        const Bet bet = bets[static_cast<std::size_t>(pick(static_cast<int>(bets.size())))];
        const auto mine = settle(events, bet, 1, perLine);
        const auto brute = oracle::bruteForce(events, bet);
        ASSERT_EQ(mine.lines, brute.lines) << round;
        ASSERT_EQ(mine.linesWon, brute.linesWon) << round;
        ASSERT_EQ(mine.whatIf.size(), brute.unitPayouts.size()) << round;
        for (std::size_t j = 0; j < mine.whatIf.size(); ++j) {
            ASSERT_EQ(mine.whatIf[j].payout.least, brute.unitPayouts[j].least) << round << " j=" << j;
            ASSERT_EQ(mine.whatIf[j].payout.most, brute.unitPayouts[j].most) << round << " j=" << j;
        }
    }
}

} // namespace
} // namespace zoret
