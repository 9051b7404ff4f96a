// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_payoff.h"
#include "tests/core/rows.h"

using namespace zoret;

namespace {

// The bet at 0:0 1:0 0:1 1:1 2:1 1:2 3:0 0:3 2:2: W won, w half won and half
// refunded, R refunded, l half lost and half refunded, L lost.
std::string across(const char* market, long quarters)
{
    static const Score scores[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}, {3, 0}, {0, 3}, {2, 2}};
    std::string out;
    for (const Score& s : scores) {
        const LineSettlement settled = settle(*marketNamed(market), quarters, s);
        out += settled.wonHalves == 2    ? 'W'
               : settled.wonHalves == 1  ? 'w'
               : settled.lostHalves == 2 ? 'L'
               : settled.lostHalves == 1 ? 'l'
                                         : 'R';
    }
    return out;
}

TEST(LinePayoff, MarketsAcrossScores)
{
    // clang-format off
    checkRows({
        {"Home", [] { return across("П1", 0); }, "LWLLWLWLL"},
        {"Draw", [] { return across("Х", 0); }, "WLLWLLLLW"},
        {"Away", [] { return across("П2", 0); }, "LLWLLWLWL"},
        {"HomeOrDraw", [] { return across("1Х", 0); }, "WWLWWLWLW"},
        {"HomeOrAway", [] { return across("12", 0); }, "LWWLWWWWL"},
        {"DrawOrAway", [] { return across("Х2", 0); }, "WLWWLWLWW"},
        {"ResultIgnoresLine", [] { return across("П1", -1); }, "LWLLWLWLL"},
        {"HandicapLevel", [] { return across("Ф1", 0); }, "RWLRWLWLR"},
        {"HandicapMinusQuarter", [] { return across("Ф1", -1); }, "lWLlWLWLl"},
        {"HandicapPlusQuarter", [] { return across("Ф1", 1); }, "wWLwWLWLw"},
        {"HandicapMinusOne", [] { return across("Ф1", -4); }, "LRLLRLWLL"},
        {"AwayHandicapMinusOneAndQuarter", [] { return across("Ф2", -5); }, "LLlLLlLWL"},
        {"OverTwoAndQuarter", [] { return across("ТБ", 9); }, "LLLlWWWWW"},
        {"OverZero", [] { return across("ТБ", 0); }, "RWWWWWWWW"},
        {"UnderTwo", [] { return across("ТМ", 8); }, "WWWRLLLLL"},
        {"UnderTwoAndQuarter", [] { return across("ТМ", 9); }, "WWWwLLLLL"},
        {"UnderZero", [] { return across("ТМ", 0); }, "RLLLLLLLL"},
        {"HomeOverThreeQuarters", [] { return across("ИТ1Б", 3); }, "LwLwWwWLW"},
        {"HomeUnderOneAndQuarter", [] { return across("ИТ1М", 5); }, "WwWwLwLWL"},
        {"AwayOverOne", [] { return across("ИТ2Б", 4); }, "LLRRRWLWW"},
        {"AwayUnderHalf", [] { return across("ИТ2М", 2); }, "WWLLLLWLL"},
    });
    // clang-format on
}

// Each market, in order, marked 1 where it holds.
std::string marked(bool (*holds)(Market))
{
    std::string out;
    for (Market m : allMarkets)
        out += holds(m) ? '1' : '0';
    return out;
}

TEST(LinePayoff, Names)
{
    checkRows({
        {"EveryNameReadBack", [] { return marked([](Market m) { return marketNamed(marketName(m)) == m; }); },
         "11111111111111"},
        {"UnknownName", [] { return std::string(marketNamed("ТБ1") ? "found" : "none"); }, "none"},
        {"LinesFromHandicaps", [] { return marked(marketHasLine); }, "00000011111111"},
        {"TotalsFromOver", [] { return marked(marketIsTotal); }, "00000000111111"},
    });
}

} // namespace
