// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork.h"
#include "core/typed_number.h"
#include "tests/core/rows.h"

#include <algorithm>

using namespace zoret;

namespace {

struct B {
    const char* market;
    long quarters;
    const char* odds;
    const char* commission = "0";
    bool lay = false;
};

std::vector<LineBet> betsOf(std::initializer_list<B> given)
{
    std::vector<LineBet> bets;
    for (const B& b : given)
        bets.push_back(
            {{*marketNamed(b.market), b.quarters}, *readTypedNumber(b.odds), *readTypedNumber(b.commission), b.lay});
    return bets;
}

std::vector<MarketLine> linesOf(const std::vector<LineBet>& bets)
{
    std::vector<MarketLine> lines;
    for (const auto& b : bets)
        lines.push_back(b.line);
    return lines;
}

// The exact stakes, then each class as caption=result.
std::string split(std::initializer_list<B> given, const char* outlay)
{
    const auto bets = betsOf(given);
    const auto classes = scoreClasses(linesOf(bets));
    const auto plan = planLineFork(bets, classes, *readTypedNumber(outlay));
    std::string out;
    for (const auto& s : plan.stakes)
        out += s.get_str() + " ";
    const auto payouts = lineForkPayouts(bets, classes, plan.stakes);
    for (std::size_t j = 0; j < classes.size(); ++j)
        out += "|" + classes[j].caption + "=" + mpq_class(payouts[j] - plan.outlay).get_str();
    return out;
}

TEST(LineFork, WorkedCases)
{
    // clang-format off
    checkRows({
        {"QuarterHandicaps", [] { return split({{"Ф1", -1, "2.10"}, {"Ф2", 1, "2.00"}}, "100"); }, "1500/31 1600/31 |Победа 1=50/31|Ничья=50/31|Победа 2=100/31"},
        {"QuarterTotalAgainstWhole", [] { return split({{"ТБ", 9, "2.15"}, {"ТМ", 8, "2.05"}}, "100"); }, "2000/53 3300/53 |Тотал 3+=-1000/53|Тотал 2=-1000/53|Тотал 0–1=1465/53"},
        {"HandicapDrawAway", [] { return split({{"Ф1", -1, "2.10"}, {"Х", 0, "3.50"}, {"П2", 0, "3.60"}}, "100"); }, "42000/857 19200/857 24500/857 |Победа 1=2500/857|Ничья=2500/857|Победа 2=2500/857"},
        {"Corridor", [] { return split({{"ТБ", 10, "2.10"}, {"ТМ", 14, "1.50"}}, "100"); }, "125/3 175/3 |Тотал 4+=-25/2|Тотал 3=75|Тотал 0–2=-25/2"},
        {"NextWorstRaised", [] { return split({{"ТБ", 10, "2"}, {"ТМ", 10, "2"}, {"ТМ", 14, "2"}}, "100"); }, "50 0 50 |Тотал 4+=0|Тотал 3=100|Тотал 0–2=0"},
        {"RowsAlikeToTheEarlier", [] { return split({{"П2", 0, "3"}, {"П1", 0, "2"}, {"П1", 0, "2"}}, "100"); }, "40 60 0 |Победа 1=20|Ничья=-100|Победа 2=20"},
        // By hand: back B at 2.20, lay S at 2.10 (liability 1.1 S, 5 % on what the lay wins), B + 1.1 S = 1000.
        // Home win: 2.2 B comes back, the lay loses its liability. Otherwise the lay returns 1.1 S + 0.95 S.
        // 2.2 B = 2.05 S gives S = 2200 / 4.47 = 220000/447, B = 205000/447, each outcome 451000/447 - 1000.
        {"BackAndLay", [] { return split({{"П1", 0, "2.20"}, {"П1", 0, "2.10", "5", true}}, "1000"); }, "205000/447 220000/447 |Победа 1=4000/447|Ничья или победа 2=4000/447"},
    });
    // clang-format on
}

std::vector<MarketLine> marketLines(std::initializer_list<std::pair<const char*, long>> given)
{
    std::vector<MarketLine> lines;
    for (const auto& [market, quarters] : given)
        lines.push_back({*marketNamed(market), quarters});
    return lines;
}

std::string captions(std::initializer_list<std::pair<const char*, long>> given)
{
    std::string out;
    for (const auto& c : scoreClasses(marketLines(given)))
        out += (out.empty() ? "" : " / ") + c.caption;
    return out;
}

TEST(ScoreClasses, Captions)
{
    // clang-format off
    checkRows({
        {"NoBetReadsTheScore", [] { return captions({}); }, "Любой счёт"},
        {"Draw", [] { return captions({{"Х", 0}}); }, "Победа 1 / Ничья / Победа 2"},
        {"HandicapAndTotal", [] { return captions({{"Ф1", -6}, {"ТБ", 10}}); }, "Победа 1 с разницей 2+, тотал 3+ / Победа 1 с разницей 2+, тотал 0–2 / Разница +1 и меньше, тотал 3+ / Разница +1 и меньше, тотал 0–2"},
        {"AwayWinsByOneOrMore", [] { return captions({{"Ф2", -6}, {"П1", 0}}); }, "Победа 1 / Разница от -1 до 0 / Победа 2 с разницей 2+"},
        {"GoalsOfEachSide", [] { return captions({{"ИТ1Б", 2}, {"ИТ2М", 6}}); }, "Голы хозяев 1+, голы гостей 2+ / Голы хозяев 1+, голы гостей 0–1 / Голы хозяев 0, голы гостей 2+ / Голы хозяев 0, голы гостей 0–1"},
        {"ImpossibleCombinationLeftOut", [] { return captions({{"ИТ1Б", 10}, {"ТМ", 6}}); }, "Тотал 2+, голы хозяев 3+ / Тотал 2+, голы хозяев 0–2 / Тотал 0–1, голы хозяев 0–2"},
        {"BasketballLines", [] { return captions({{"Ф1", -82}, {"ТБ", 922}}); }, "Победа 1 с разницей 21+, тотал 231+ / Победа 1 с разницей 21+, тотал 0–230 / Разница +20 и меньше, тотал 231+ / Разница +20 и меньше, тотал 0–230"},
        {"QuarterLineSplitsItsScores", [] { return captions({{"Ф2", 3}}); }, "Победа 1 с разницей 2+ / Победа 1 с разницей 1 / Ничья или победа 2"},
    });
    // clang-format on
}

// Every score up to `most` goals a side lies in exactly one class, which
// settles each bet as the score does.
std::string partitionFaults(std::initializer_list<std::pair<const char*, long>> given, long most)
{
    const auto lines = marketLines(given);
    const auto classes = scoreClasses(lines);
    std::string faults;
    for (const auto& c : classes)
        faults += c.holds(c.example) ? "" : "example outside " + c.caption + "; ";
    for (long h = 0; h <= most; ++h)
        for (long a = 0; a <= most; ++a) {
            const auto holding = std::count_if(classes.begin(), classes.end(), [&](const ScoreClass& c) {
                return c.holds({h, a});
            });
            const auto first = std::find_if(classes.begin(), classes.end(), [&](const ScoreClass& c) {
                return c.holds({h, a});
            });
            bool alike = holding == 1;
            for (std::size_t i = 0; alike && i < lines.size(); ++i)
                alike = first->settlements[i] == settle(lines[i].market, lines[i].lineQuarters, {h, a});
            if (!alike)
                faults += exact(h) + ":" + exact(a) + " ";
        }
    return faults;
}

TEST(ScoreClasses, Partition)
{
    // clang-format off
    checkRows({
        {"EveryMarket", [] { return partitionFaults({{"П1", 0}, {"Х", 0}, {"П2", 0}, {"1Х", 0}, {"12", 0}, {"Х2", 0}, {"Ф1", -3}, {"Ф2", 5}, {"ТБ", 9}, {"ТМ", 14}, {"ИТ1Б", 3}, {"ИТ1М", 6}, {"ИТ2Б", 1}, {"ИТ2М", 8}}, 12); }, ""},
        {"WholeAndZeroLines", [] { return partitionFaults({{"Ф1", 0}, {"Ф2", -8}, {"ТБ", 0}, {"ТМ", 4}, {"ИТ2М", 0}}, 10); }, ""},
        {"Basketball", [] { return partitionFaults({{"Ф1", -41}, {"Ф2", 38}, {"ТБ", 918}, {"ТМ", 922}, {"ИТ1Б", 462}}, 250); }, ""},
    });
    // clang-format on
}

} // namespace
