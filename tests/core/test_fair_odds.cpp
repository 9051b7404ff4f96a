// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"
#include "core/fair_odds.h"
#include "core/fair_odds_captions.h"
#include "tests/core/rows.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

using namespace zoret;

namespace {

using enum MarginMethod;
std::string repeated(const std::string& text, int times) { return times > 0 ? text + repeated(text, times - 1) : ""; }
// Each probability in percent with `decimals` decimals, then the solved parameter with five.
std::string fair(MarginMethod method, const std::vector<double>& odds, int decimals = 3)
{
    const auto f = fairProbabilities(method, odds);
    std::string out;
    for (const double p : f.probabilities)
        out += fixedText(mpq_class(p) * 100, decimals) + "|";
    return out + fixedText(mpq_class(f.parameter), 5);
}
// Each row as implied/fair/fair odds/EV/Kelly/stake, or with `betsOnly` EV/Kelly/stake; then margin|note.
std::string shown(MarginMethod method, const std::vector<FairOddsEntry>& entries, const char* bank = "",
                  KellyShare share = KellyShare::Full, bool betsOnly = false)
{
    const auto c = fairOddsCaptions(method, entries, bank, share);
    std::string out;
    for (const auto& r : c.rows)
        out += (betsOnly ? "" : r.implied + "/" + r.fair + "/" + r.fairOdds + "/") + r.ev + "/" + r.kelly + "/"
               + r.stake + "|";
    return out + c.margin + "|" + c.note;
}

TEST(FairOdds, Table)
{
    using enum KellyShare;
    // clang-format off
    const std::vector<double> published{2.7, 2.3, 4.4};
    const std::vector<FairOddsEntry> bad{{"abc", ""}, {"1", ""}, {"", ""}, {" 2,5 ", ""}, {"1e400", ""}, {"1,000000000000001", ""}, {std::string(10000, '9'), ""}};
    const std::string fairFilled = "Ваши вероятности в сумме 102.16 %, больше 100 %";
    const std::string noMargin = "Маржи нет: справедливые вероятности равны подразумеваемым";
    const auto bets = [](const std::vector<FairOddsEntry>& entries, const char* bank, KellyShare share = Full) { return shown(Multiplicative, entries, bank, share, true); };
    checkRows({
        {"Multiplicative", [&] { return fair(Multiplicative, published); }, "35.874|42.113|22.013|0.00000"},
        {"Additive", [&] { return fair(Additive, published); }, "35.956|42.397|21.646|0.00000"},
        {"Power", [&] { return fair(Power, published); }, "35.917|42.373|21.710|1.03091"},
        {"Shin", [&] { return fair(Shin, published); }, "35.934|42.324|21.741|0.01624"},
        {"NoMarginKeepsTheImpliedPower", [&] { return fair(Power, {2.1, 2.1}); }, "47.619|47.619|1.00000"},
        {"TwoOutcomesShinIsAdditive", [&] { return fair(Shin, {1.2, 5.5}, 8).substr(0, 24); }, fair(Additive, {1.2, 5.5}, 8).substr(0, 24)},
        {"PublishedTexts", [&] { return shown(Multiplicative, {{"2,7", ""}, {"2.3", ""}, {" 4.4", ""}}); }, "37.04 %/35.87 %/2.79/-3.14 %/не ставить/|43.48 %/42.11 %/2.37/-3.14 %/не ставить/|22.73 %/22.01 %/4.54/-3.14 %/не ставить/|3.24 %|"},
        {"BelowZeroNamed", [&] { return shown(Additive, {{"1.05", ""}, {"10", ""}, {"100", ""}}, "100"); }, "95.24 %/93.16 %/1.07/-2.18 %/не ставить/|10.00 %/7.92 %/12.63/-20.79 %/не ставить/|1.00 %/-1.08 %//-207.94 %/не ставить/|6.24 %|Исход 3: вероятность ниже нуля"},
        {"BadOdds", [&] { return shown(Shin, bad, "100"); }, repeated("/////|", 7) + "|Исходы 1, 2, 3, 5, 6, 7: неверный коэффициент"},
        {"OneOutcome", [&] { return shown(Power, {{"2", ""}}); }, "/////||Нужно от 2 до 20 исходов"},
        {"TwentyOneOutcomes", [&] { return shown(Power, std::vector<FairOddsEntry>(21, {"19", ""})).substr(126); }, "|Нужно от 2 до 20 исходов"},
        {"Kelly", [&] { return bets({{"3,5", "30"}, {"1.35", ""}}, "1000"); }, "+5.00 %/2.00 %/20.00|-2.58 %/не ставить/|2.65 %|" + fairFilled},
        {"HalfKelly", [&] { return bets({{"3,5", "30"}, {"1.35", ""}}, "", Half); }, "+5.00 %/1.00 %/|-2.58 %/не ставить/|2.65 %|" + fairFilled},
        {"EighthKellyHalfCentUp", [&] { return bets({{"3.5", "30"}, {"1.35", ""}}, "50", Eighth); }, "+5.00 %/0.25 %/0.13|-2.58 %/не ставить/|2.65 %|" + fairFilled},
        {"EvenMoneyQuarter", [&] { return bets({{"2", "60"}, {"2", "40"}}, "100", Quarter); }, "+20.00 %/5.00 %/5.00|-20.00 %/не ставить/|0.00 %|" + noMargin},
        {"BreakEvenIsNoBet", [&] { return bets({{"2", "50"}, {"1.9", ""}}, ""); }, "0.00 %/не ставить/|-2.56 %/не ставить/|2.63 %|Ваши вероятности в сумме 101.28 %, больше 100 %"},
        {"BadProbabilities", [&] { return bets({{"2", "101"}, {"2.5", "-1"}, {"3", "abc"}, {"4", "1e1"}, {"5", "100"}, {"6", "0"}}, "10"); },
            "//|//|//|//|+400.00 %/100.00 %/10.00|-100.00 %/не ставить/|85.00 %|Исходы 1, 2, 3, 4: неверная вероятность"},
        {"OwnAboveHundred", [&] { return bets({{"2", "60"}, {"2,1", "50,5"}}, "200"); }, "+20.00 %/20.00 %/40.00|+6.05 %/не ставить/|-2.38 %|" + noMargin + "\nВаши вероятности в сумме 110.50 %, больше 100 %"},
        {"FilledInCountTowardsTotal", [&] { return bets({{"2.10", "50"}, {"3.40", "30,5"}, {"3.60", ""}}, ""); }, "+5.00 %/9.57 %/|+3.70 %/5.53 %/|-4.59 %/не ставить/|4.81 %|Ваши вероятности в сумме 107.00 %, больше 100 %"},
        {"KellyTogether", [&] { return bets({{"2.10", "50"}, {"3.40", "30"}, {"3.60", "20"}}, "8200"); }, "+5.00 %/8.54 %/700.00|+2.00 %/4.39 %/360.00|-28.00 %/не ставить/|4.81 %|"},
        {"KellyNotPastCertainty", [&] { return bets({{"3", "60"}, {"3", "60"}}, "100"); }, "+80.00 %/40.00 %/40.00|+80.00 %/не ставить/|-33.33 %|" + noMargin + "\nВаши вероятности в сумме 120.00 %, больше 100 %"},
        {"BadBank", [&] { return bets({{"2", "60"}, {"2", ""}}, "-5"); }, "+20.00 %/20.00 %/|0.00 %/не ставить/|0.00 %|" + noMargin + "\nНеверная сумма банка\nВаши вероятности в сумме 110.00 %, больше 100 %"},
        {"ShareCaptions", [&] { std::string out; for (auto s : kellyShareOrder) out += kellyShareCaption(s) + " "; return out; }, "1 1/2 1/4 1/8 "},
    });
    // clang-format on
    const double inf = std::numeric_limits<double>::infinity();
    for (const std::vector<double>& odds :
         {std::vector<double>{2}, std::vector<double>(21, 19), {2, 1}, {2, inf}, {2, std::nan("")}})
        EXPECT_THROW(fairProbabilities(Shin, odds), std::invalid_argument) << odds.size();
}

} // namespace
