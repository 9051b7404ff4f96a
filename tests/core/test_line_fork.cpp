// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/score_classes.h"
#include "tests/core/rows.h"

using namespace zoret;

namespace {

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
