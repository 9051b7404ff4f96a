// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork.h"
#include "core/typed_number.h"
#include "tests/core/rows.h"

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
        {"NextWorstRaised", [] { return split({{"ТБ", 10, "2"}, {"ТМ", 10, "2"}, {"ТМ", 14, "2"}}, "100"); }, "50 0 50 |Тотал 4+=0|Тотал 3=100|Тотал 0–2=0"},
        {"RowsAlikeToTheEarlier", [] { return split({{"П2", 0, "3"}, {"П1", 0, "2"}, {"П1", 0, "2"}}, "100"); }, "40 60 0 |Победа 1=20|Ничья=-100|Победа 2=20"},
    });
    // clang-format on
}

std::string captions(std::initializer_list<std::pair<const char*, long>> given)
{
    std::vector<MarketLine> lines;
    for (const auto& [market, quarters] : given)
        lines.push_back({*marketNamed(market), quarters});
    std::string out;
    for (const auto& c : scoreClasses(lines))
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

} // namespace
