// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork_captions.h"
#include "tests/core/rows.h"

#include <stdexcept>

using namespace zoret;

namespace {

using Rows = std::vector<LineForkRowEntry>;

LineForkRowEntry bet(const char* market, const char* line, const char* odds, const char* commission = "",
                     bool lay = false)
{
    return {*marketNamed(market), line, odds, commission, lay};
}

LineForkRowEntry fixedBet(LineForkRowEntry row, const char* stake)
{
    row.fixed = true, row.stakeText = stake;
    return row;
}

struct Goals {
    const char* home = "";
    const char* away = "";
};

// Each row stake(its exact stake when rounded away)/liability, each outcome
// caption:payout:result(:probability), a star when it wins; then
// total|profit|verdict|expected|note.
std::string fork(const Rows& rows, const char* sum, std::optional<mpq_class> step = {}, Goals goals = {})
{
    const auto c = lineForkCaptions(rows, sum, step, goals.home, goals.away);
    std::string out;
    for (const auto& r : c.rows)
        if (!r.stake.empty())
            out += r.stake + (r.exactStake == r.stake ? "" : "(" + r.exactStake + ")")
                   + (r.liability.empty() ? "" : "/" + r.liability) + " ";
    for (const auto& o : c.outcomes)
        out += "[" + o.caption + ":" + o.payout + ":" + o.result + (o.probability.empty() ? "" : ":" + o.probability)
               + (o.wins ? "*" : "") + "]";
    return out + "|" + c.total + "|" + c.profit + "|" + c.verdict + "|" + c.expected + "|" + c.note;
}

TEST(LineForkCaptions, Table)
{
    // clang-format off
    checkRows({
        {"QuarterHandicaps", [] { return fork({bet("Ф1", "-0,25", "2.10"), bet("Ф2", "+0.25", "2.00")}, "100"); }, "48.39 51.61 [Победа 1:101.61:1.61*][Ничья:101.61:1.61*][Победа 2:103.23:3.23*]|100.00|1.61 – 3.23|Вилка +1.61 %||"},
        {"QuarterTotalNoFork", [] { return fork({bet("ТБ", "2.25", "2.15"), bet("ТМ", "2", "2.05")}, "100"); }, "37.74 62.26 [Тотал 3+:81.13:-18.87][Тотал 2:81.13:-18.87][Тотал 0–1:127.64:27.64*]|100.00|-18.87 – 27.64|Не вилка: в худшем случае -18.87||"},
        {"ThreeWayAcrossLines", [] { return fork({bet("Ф1", "-0.25", "2.10"), bet("Х", "", "3.50"), bet("П2", "", "3.60")}, "100"); }, "49.01 22.40 28.59 [Победа 1:102.92:2.92*][Ничья:102.92:2.92*][Победа 2:102.92:2.92*]|100.00|2.92|Вилка +2.92 %||"},
        {"Corridor", [] { return fork({bet("ТБ", "2.5", "2.10"), bet("ТМ", "3.5", "1.50")}, "100"); }, "41.67 58.33 [Тотал 4+:87.50:-12.50][Тотал 3:175.00:75.00*][Тотал 0–2:87.50:-12.50]|100.00|-12.50 – 75.00|Не вилка: в худшем случае -12.50||"},
        // By hand: back B at 2.20, lay S at 2.10 (liability 1.1 S, 5 % off what the lay wins), B + 1.1 S = 1000,
        // 2.2 B = 1.1 S + 0.95 S: S = 220000/447 = 492.17, B = 458.61, each outcome 451000/447 = 1008.95.
        {"BackAndLay", [] { return fork({bet("П1", "", "2.20"), bet("П1", "", "2.10", "5", true)}, "1000"); }, "458.61 492.17/541.39 [Победа 1:1008.95:8.95*][Ничья или победа 2:1008.95:8.95*]|1000.00|8.95|Вилка +0.89 %||"},
        {"TotalsOfZero", [] { return fork({bet("ТБ", "0", "1.05"), bet("П1", "", "2")}, "100"); }, "100.00 0.00 [Победа 1, тотал 1+:105.00:5.00*][Ничья или победа 2, тотал 1+:105.00:5.00*][Ничья или победа 2, тотал 0:100.00:0.00]|100.00|0.00 – 5.00|Не вилка: в худшем случае 0.00||"},
        {"BasketballCorridor", [] { return fork({bet("ТБ", "229.5", "1.90"), bet("ТМ", "230.5", "1.90")}, "100"); }, "50.00 50.00 [Тотал 231+:95.00:-5.00][Тотал 230:190.00:90.00*][Тотал 0–229:95.00:-5.00]|100.00|-5.00 – 90.00|Не вилка: в худшем случае -5.00||"},
        {"NextWorstRaised", [] { return fork({bet("ТБ", "2.5", "2"), bet("ТМ", "2.5", "2"), bet("ТМ", "3.5", "2")}, "100"); }, "50.00 0.00 50.00 [Тотал 4+:100.00:0.00][Тотал 3:200.00:100.00*][Тотал 0–2:100.00:0.00]|100.00|0.00 – 100.00|Не вилка: в худшем случае 0.00||"},
        {"RowsAlikeToTheEarlier", [] { return fork({bet("П2", "", "3"), bet("П1", "", "2"), bet("П1", "", "2")}, "100"); }, "40.00 60.00 0.00 [Победа 1:120.00:20.00*][Ничья:0.00:-100.00][Победа 2:120.00:20.00*]|100.00|-100.00 – 20.00|Не вилка: в худшем случае -100.00||"},
        {"RoundingTen", [] { return fork({bet("Ф1", "-0.25", "2.10"), bet("Ф2", "+0.25", "2.00")}, "100", mpq_class(10)); }, "50.00(48.39) 50.00(51.61) [Победа 1:105.00:5.00*][Ничья:100.00:0.00][Победа 2:100.00:0.00]|100.00|0.00 – 5.00|Не вилка: в худшем случае 0.00||Округление не сохраняет вилку: наименьший результат 0.00"},
        {"RoundingOne", [] { return fork({bet("Ф1", "-0.25", "2.10"), bet("Ф2", "+0.25", "2.00")}, "100", mpq_class(1)); }, "48.00(48.39) 51.00(51.61) [Победа 1:100.80:1.80*][Ничья:100.50:1.50*][Победа 2:102.00:3.00*]|99.00|1.50 – 3.00|Вилка +1.52 %||"},
        {"Fixed", [] { return fork({bet("Ф1", "-0.25", "2.10"), fixedBet(bet("Ф2", "+0.25", "2.00"), "160")}, "сто"); }, "150.00 160.00 [Победа 1:315.00:5.00*][Ничья:315.00:5.00*][Победа 2:320.00:10.00*]|310.00|5.00 – 10.00|Вилка +1.61 %||"},
        {"FixedUnused", [] { return fork({bet("П1", "", "2.10"), bet("П2", "", "2.10"), bet("Х", "", "3.00"), fixedBet(bet("Х2", "", "1.01"), "10")}, ""); }, "|||||Ставка 4 в лучшем раскладе не участвует"},
        {"ExpectedGoals", [] { return fork({bet("ТБ", "2.5", "2.10"), bet("ТМ", "3.5", "1.50")}, "100", {}, {"1,5", "1.2"}); }, "41.67 58.33 [Тотал 4+:87.50:-12.50:28.59 %][Тотал 3:175.00:75.00:22.05 %*][Тотал 0–2:87.50:-12.50:49.36 %]|100.00|-12.50 – 75.00|Не вилка: в худшем случае -12.50|Матожидание +6.79 (6.79 %)|"},
        {"GoalsOneBlank", [] { return fork({bet("ТБ", "2.5", "2.10"), bet("ТМ", "3.5", "1.50")}, "100", {}, {"1,5", ""}); }, "41.67 58.33 [Тотал 4+:87.50:-12.50][Тотал 3:175.00:75.00*][Тотал 0–2:87.50:-12.50]|100.00|-12.50 – 75.00|Не вилка: в худшем случае -12.50||"},
        {"GoalsZero", [] { return fork({bet("ТБ", "2.5", "2.10"), bet("ТМ", "3.5", "1.50")}, "100", {}, {"0", "1"}); }, "41.67 58.33 [Тотал 4+:87.50:-12.50][Тотал 3:175.00:75.00*][Тотал 0–2:87.50:-12.50]|100.00|-12.50 – 75.00|Не вилка: в худшем случае -12.50||Неверные ожидаемые голы"},
        {"GoalsAboveTwenty", [] { return fork({bet("ТБ", "2.5", "2.10"), bet("ТМ", "3.5", "1.50")}, "100", {}, {"1", "20.01"}); }, "41.67 58.33 [Тотал 4+:87.50:-12.50][Тотал 3:175.00:75.00*][Тотал 0–2:87.50:-12.50]|100.00|-12.50 – 75.00|Не вилка: в худшем случае -12.50||Неверные ожидаемые голы"},
        {"LineLetters", [] { return fork({bet("Ф1", "минус", "2"), bet("Ф2", "0", "2")}, "100"); }, "|||||Ставка 1: неверная линия"},
        {"LineIgnoredWithoutLine", [] { return fork({bet("П1", "x", "2.2"), bet("Х2", "0.3", "1.9")}, "100"); }, "46.34 53.66 [Победа 1:101.95:1.95*][Ничья или победа 2:101.95:1.95*]|100.00|1.95|Вилка +1.95 %||"},
        {"OddsOne", [] { return fork({bet("П1", "", "2"), bet("П2", "", "1")}, "100"); }, "|||||Ставка 2: неверный коэффициент"},
        {"OddsExponent", [] { return fork({bet("П1", "", "1e400"), bet("П2", "", "2")}, "100"); }, "|||||Ставка 1: неверный коэффициент"},
        {"CommissionNegative", [] { return fork({bet("П1", "", "2"), bet("П2", "", "2", "-1", true)}, "100"); }, "|||||Ставка 2: неверная комиссия"},
        {"SumZero", [] { return fork({bet("П1", "", "2"), bet("Х2", "", "2")}, "0"); }, "|||||Неверная сумма"},
        {"SumBlankWaits", [] { return fork({bet("П1", "", "2"), bet("Х2", "", "2")}, " "); }, "|||||"},
        {"StakeBad", [] { return fork({fixedBet(bet("П1", "", "2"), "-5"), bet("Х2", "", "2")}, ""); }, "|||||Ставка 1: неверная ставка"},
    });
    // clang-format on
    EXPECT_THROW(fork({bet("П1", "", "2")}, "100"), std::invalid_argument);
    EXPECT_THROW(fork(Rows(11, bet("П1", "", "2")), "100"), std::invalid_argument);
    EXPECT_THROW(fork({fixedBet(bet("П1", "", "2"), "1"), fixedBet(bet("П2", "", "2"), "1")}, ""),
                 std::invalid_argument);
    EXPECT_THROW(fork({bet("П1", "", "2"), bet("П2", "", "2")}, "100", mpq_class(0)), std::invalid_argument);
}

} // namespace
