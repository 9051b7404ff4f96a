// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork_calculator_captions.h"
#include "tests/core/rows.h"

#include <stdexcept>

using namespace zoret;

namespace {

using Rows = std::vector<ForkRowEntry>;

// Each shown row stake(its exact stake when rounded away):payout:profit, then total|profit|ROI|margin|fork|note.
std::string fork(const Rows& rows, const char* total, std::optional<mpq_class> step = {})
{
    const auto c = forkCalculatorCaptions(rows, total, step);
    std::string out;
    for (const auto& r : c.rows)
        if (!r.payout.empty())
            out += r.stake + (r.exactStake == r.stake ? "" : "(" + r.exactStake + ")") + ":" + r.payout + ":" + r.profit
                   + " ";
    return out + "|" + c.total + "|" + c.profit + "|" + c.roi + "|" + c.margin + "|" + c.fork + "|" + c.note;
}

TEST(ForkCalculator, Table)
{
    const Rows twoWay{{"1.90"}, {"2.20"}}, threeWay{{"2.80"}, {"3.50"}, {"3.00"}},
        impossible{{"1.5", "", false}, {"1.5", "", false}, {"10"}};
    const std::string fork2 = "98.09 %|Вилка +1.95 %|", fixed3 = "83.33 %|Вилка +20.00 %|";
    // clang-format off
    checkRows({
        {"TwoWay", [&] { return fork(twoWay, "1000"); }, "536.59:1019.51:19.51 463.41:1019.51:19.51 |1000.00|19.51|1.95 %|" + fork2},
        {"TwoWayFifty", [&] { return fork(twoWay, "1000", mpq_class(50)); }, "500.00(536.59):950.00:0.00 450.00(463.41):990.00:40.00 |950.00|0.00 – 40.00|0.00 %|" + fork2},
        {"RoundingLoses", [&] { return fork(twoWay, "1000", mpq_class(100)); }, "500.00(536.59):950.00:50.00 400.00(463.41):880.00:-20.00 |900.00|-20.00 – 50.00|-2.22 %|" + fork2 + "Округление не сохраняет вилку: наименьшая прибыль -20.00"},
        {"ThreeWay", [&] { return fork(threeWay, "500"); }, "182.93:512.20:12.20 146.34:512.20:12.20 170.73:512.20:12.20 |500.00|12.20|2.44 %|97.62 %|Вилка +2.44 %|"},
        {"Commission", [&] { return fork({{"2.10", "0"}, {"2.05", " 5 "}}, "1000"); }, "487.49:1023.73:23.73 512.51:1023.73:23.73 |1000.00|23.73|2.37 %|97.68 %|Вилка +2.37 %|"},
        {"FixedIgnoresTotal", [&] { return fork({{"2", "", true, true, "500"}, {"3"}}, "сто"); }, "500.00:1000.00:166.67 333.33:1000.00:166.67 |833.33|166.67|20.00 %|" + fixed3},
        {"FixedUnshared", [&] { return fork({{"2.5", "", false, true, "100"}, {"3.5"}, {"4"}}, ""); }, "100.00:250.00:0.00 80.00:280.00:30.00 70.00:280.00:30.00 |250.00|0.00 – 30.00|0.00 %|93.57 %|Вилка +6.87 %|"},
        {"FixedBesideUnshared", [&] { return fork({{"2.5", "", false}, {"3.5", "", true, true, "100"}, {"4"}}, ""); }, "125.00:312.50:0.00 100.00:350.00:37.50 87.50:350.00:37.50 |312.50|0.00 – 37.50|0.00 %|93.57 %|Вилка +6.87 %|"},
        {"UnsharedReturnsTotal", [&] { return fork({{"1.9", "", false}, {"2.2"}}, "1000"); }, "526.32:1000.00:0.00 473.68:1042.11:42.11 |1000.00|0.00 – 42.11|0.00 %|" + fork2},
        {"NoForkThree", [&] { return fork({{"2"}, {"3"}, {"4"}}, "1000"); }, "461.54:923.08:-76.92 307.69:923.08:-76.92 230.77:923.08:-76.92 |1000.00|-76.92|-7.69 %|108.33 %|Не вилка -7.69 %|"},
        {"StepAboveTotal", [&] { return fork({{"2"}, {"2"}}, "5", mpq_class(10)); }, "0.00(2.50):0.00:0.00 0.00(2.50):0.00:0.00 |0.00|0.00||100.00 %|Не вилка 0.00 %|"},
        {"OddsOne", [&] { return fork({{"1"}, {"2"}}, "100"); }, "||||||Исход 1: неверный коэффициент"},
        {"SixteenDigits", [&] { return fork({{"2"}, {"1.000000000000001"}}, ""); }, "||||||Исход 2: неверный коэффициент"},
        {"FifteenDigits", [&] { return fork({{"00002.50000000000000"}, {"1.00000000000001"}}, ""); }, "||||140.00 %|Не вилка -28.57 %|"},
        {"CommissionHundred", [&] { return fork({{"2", "100"}, {"2"}}, ""); }, "||||||Исход 1: неверная комиссия"},
        {"CommissionNegative", [&] { return fork({{"2"}, {"2", "-1"}}, ""); }, "||||||Исход 2: неверная комиссия"},
        {"CommissionJustBelowHundred", [&] { return fork({{"2", "99,99"}, {"3"}}, ""); }, "||||133.32 %|Не вилка -24.99 %|"},
        {"StakeZero", [&] { return fork({{"2", "", true, true, "0"}, {"3"}}, ""); }, "||||" + fixed3 + "Исход 1: неверная ставка"},
        {"StakeBlankWaits", [&] { return fork({{"2", "", true, true, " "}, {"3"}}, "100"); }, "||||" + fixed3},
        {"StakeNotedBeforeLaterOdds", [&] { return fork({{"2", "", true, true, "x"}, {"0.5"}}, ""); }, "||||||Исход 1: неверная ставка"},
        {"TotalZero", [&] { return fork(twoWay, "0"); }, "||||" + fork2 + "Неверная сумма"},
        {"TotalBlankWaits", [&] { return fork(twoWay, ""); }, "||||" + fork2},
        {"UnsharedTakeAll", [&] { return fork(impossible, "100"); }, "||||143.33 %|Не вилка -30.23 %|Сумму нельзя разделить: исходам без прибыли нужна вся сумма"},
        {"UnsharedTakeExactlyAll", [&] { return fork({{"2", "", false}, {"2", "", false}, {"3"}}, "100"); }, "||||133.33 %|Не вилка -25.00 %|Сумму нельзя разделить: исходам без прибыли нужна вся сумма"},
        {"FixedCannotHold", [&] { return fork({{"1.5", "", false, true, "10"}, {"1.5", "", false}, {"10"}}, ""); }, "||||143.33 %|Не вилка -30.23 %|Ставку исхода 1 нельзя выдержать: остальным исходам не хватает суммы"},
    });
    // clang-format on
    EXPECT_THROW(fork({{"2"}}, "100"), std::invalid_argument);
    EXPECT_THROW(fork(Rows(21, {"30"}), "100"), std::invalid_argument);
    EXPECT_THROW(fork({{"2", "", true, true, "1"}, {"2", "", true, true, "1"}}, ""), std::invalid_argument);
    EXPECT_THROW(fork(twoWay, "100", mpq_class(0)), std::invalid_argument);
}

} // namespace
