// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_value.h"
#include "core/match_model.h"
#include "core/match_model_captions.h"
#include "tests/core/rows.h"

#include <cmath>

using namespace zoret;

namespace {

// "ok" when `got` is within `tolerance` of `want`, else what it is.
std::string near(double got, double want, double tolerance = 1e-9)
{
    return std::fabs(got - want) <= tolerance ? "ok" : exact(got);
}

LineOutcomes outcomes(const ScoreModel& m, Market market, long quarters)
{
    return lineOutcomes(scoreProbabilities(m), market, quarters);
}

double probability(const ScoreModel& m, Market market) { return lineShares(outcomes(m, market, 0)).won; }

double fair(const ScoreModel& m, Market market, long quarters)
{
    return fairOdds(lineShares(outcomes(m, market, quarters))).value_or(-1);
}

// Settlements by hand: [won halves][lost halves].
LineOutcomes settled(double win, double halfWin, double refund, double halfLoss, double loss)
{
    LineOutcomes o{};
    o[2][0] = win, o[1][0] = halfWin, o[0][0] = refund, o[0][1] = halfLoss, o[0][2] = loss;
    return o;
}

// The 2.05 / 3.50 / 3.75 and ТБ/ТМ(2.5) 1.95 / 1.90 line, margin removed proportionally.
ScoreModel fitted()
{
    const double s = 1 / 2.05 + 1 / 3.5 + 1 / 3.75, t = 1 / 1.95 + 1 / 1.9;
    return fitScoreModel({1 / 2.05 / s, 1 / 3.75 / s, TotalTarget{10, 1 / 1.95 / t}}).value_or(ScoreModel{});
}

TEST(MatchModel, WorkedRows)
{
    using enum Market;
    const ScoreModel poisson{1.5, 1.1, 0}, corrected{1.5, 1.1, -0.1}, fit = fitted();
    // clang-format off
    checkRows({
        {"Poisson1X2", [&] { return near(probability(poisson, Home), 0.464244185787) + near(probability(poisson, Draw), 0.257667214776) + near(probability(poisson, Away), 0.278088599437); }, "okokok"},
        {"PoissonOverHalfLine", [&] { return near(fair(poisson, Over, 10), 2.07653948422); }, "ok"},
        {"PoissonOverQuarterLine", [&] { return near(fair(poisson, Over, 9), 1.81588737414); }, "ok"},
        {"PoissonHandicapQuarter", [&] { return near(fair(poisson, Handicap1, -3), 2.53928579192); }, "ok"},
        {"PoissonHandicapWhole", [&] { return near(fair(poisson, Handicap1, -4), 3.31063265182); }, "ok"},
        {"CorrectedDraw", [&] { return near(probability(corrected, Draw), 0.282177495587); }, "ok"},
        {"CorrectedOverHalfLineUnchanged", [&] { return near(fair(corrected, Over, 10), 2.07653948422); }, "ok"},
        {"CorrectedOverQuarterLine", [&] { return near(fair(corrected, Over, 9), 1.80316323267); }, "ok"},
        {"FittedModel", [&] { return near(fit.lambda1, 1.55463655598) + near(fit.lambda2, 1.09317715493) + near(fit.rho, -0.0899852891865); }, "okokok"},
        {"FitHandicapOfTheResultsAlone", [&] { return near(fair(fit, Handicap1, -1), 3863.0 / 2100); }, "ok"},
        {"OneXTwoAloneIsPlainPoisson", [&] { const auto m = fitScoreModel({0.464244185787, 0.278088599437, {}}); return near(m->lambda1, 1.5, 1e-9) + near(m->lambda2, 1.1) + near(m->rho, 0, 0); }, "okokok"},
    });
    // clang-format on
}

TEST(MatchModel, Value)
{
    // clang-format off
    checkRows({
        {"KellyWinOrLose", [] { return near(kellyFraction(settled(0.3, 0, 0, 0, 0.7), 3.5), (0.3 * 3.5 - 1) / 2.5, 1e-12); }, "ok"},
        {"KellyWithRefund", [] { return near(kellyFraction(settled(0.5, 0, 0.2, 0, 0.3), 2), 0.25, 1e-12); }, "ok"},
        {"KellyHalfWinHalfLoss", [] { return near(kellyFraction(settled(0, 0.6, 0, 0.4, 0), 2), 0.4, 1e-12); }, "ok"},
        {"KellyCannotLoseStakesAll", [] { return near(kellyFraction(settled(0.4, 0, 0.6, 0, 0), 1.5), 1, 0); }, "ok"},
        {"KellyNoValue", [] { return near(kellyFraction(settled(0.5, 0, 0.2, 0, 0.3), 1.5), 0, 0); }, "ok"},
        {"KellyBreakEvenIsNoBet", [] { return near(kellyFraction(settled(0.5, 0, 0.2, 0, 0.3), 1.6), 0, 0); }, "ok"},
        {"EvWithRefundIsWonTimesOfferedLessFair", [] { return near(expectedValue(settled(0.5, 0, 0.2, 0, 0.3), 2), 0.2, 1e-15); }, "ok"},
        {"NothingToWinHasNoPrice", [] { return exact(int(fairOdds(lineShares(settled(0, 0, 0.6, 0, 0.4))).has_value())); }, "0"},
    });
    // clang-format on
}

MatchModelEntry odds(std::string home, std::string draw, std::string away, std::string over = "",
                     std::string under = "", std::string line = "2.5")
{
    MatchModelEntry e;
    e.home = std::move(home), e.draw = std::move(draw), e.away = std::move(away);
    e.over = std::move(over), e.under = std::move(under), e.totalLine = std::move(line);
    return e;
}

// Expected goals typed, and the bet whose value is checked.
MatchModelEntry lambdas(std::string l1, std::string l2, Market market = Market::Home, std::string line = "",
                        std::string offered = "")
{
    MatchModelEntry e;
    e.lambda1 = std::move(l1), e.lambda2 = std::move(l2);
    e.market = market, e.line = std::move(line), e.offered = std::move(offered);
    return e;
}

// The model's captions, or the note and whether any table has rows.
std::string shown(const MatchModelEntry& e)
{
    const auto c = matchModelCaptions(e);
    if (!c.model)
        return c.note + (c.handicaps.empty() && c.totals.empty() && c.lambdas.empty() ? "" : " (tables shown)");
    return c.lambdas + " | " + c.rho + " | " + c.probabilities + " | " + c.bothScore + " | " + c.note;
}

// The value check of a bet beside the model of expected goals 1.5 and 1.1.
std::string value(Market market, std::string line, std::string offered)
{
    const auto c = matchModelCaptions(lambdas("1.5", "1,1", market, std::move(line), std::move(offered)));
    return c.fair + " | " + c.ev + " | " + c.kelly + " | " + c.note;
}

std::string row(const std::vector<LinePriceRow>& rows, std::size_t i)
{
    return rows.at(i).line + " " + rows.at(i).first + " " + rows.at(i).second;
}

TEST(MatchModel, Captions)
{
    using enum Market;
    const auto fit = odds("2,05", "3.50", "3.75", "1.95", "1,90");
    const auto poisson = lambdas("1.5", "1,1");
    const std::string noFit = "Ни одна модель не даёт таких вероятностей: проверьте коэффициенты";
    // clang-format off
    checkRows({
        {"Fit", [&] { return shown(fit); }, "λ: 1.555 – 1.093 | ρ: -0.0900 | П1 46.90 % · Х 27.47 % · П2 25.64 % | Обе забьют: да 53.52 % / нет 46.48 % | "},
        {"FromLambdas", [&] { return shown(poisson); }, "λ: 1.500 – 1.100 | ρ: 0.0000 | П1 46.42 % · Х 25.77 % · П2 27.81 % | Обе забьют: да 51.83 % / нет 48.17 % | "},
        {"HandicapRowQuarter", [&] { return row(matchModelCaptions(poisson).handicaps, 9); }, "-0.75 2.539 1.650"},
        {"HandicapRowLevel", [&] { return row(matchModelCaptions(poisson).handicaps, 12); }, "0 1.599 2.669"},
        {"HandicapRowPlus", [&] { return row(matchModelCaptions(poisson).handicaps, 16); }, "+1 1.149 7.704"},
        {"TotalRowFirst", [&] { return row(matchModelCaptions(poisson).totals, 0); }, "0.5 1.080 13.464"},
        {"TotalRowLast", [&] { return row(matchModelCaptions(poisson).totals, 22); }, "6 56.385 1.018"},
        {"TableSizes", [&] { const auto c = matchModelCaptions(poisson); return exact(long(c.handicaps.size())) + " " + exact(long(c.totals.size())); }, "25 23"},
        {"ScoreCorner", [&] { const auto c = matchModelCaptions(poisson); return c.scores[0][0] + " " + c.scores[5][5] + " " + c.otherScore; }, "7.43 % 0.01 % 0.54 %"},
        {"NothingToWinIsADash", [&] { return row(matchModelCaptions(lambdas("0.001", "20")).handicaps, 0); }, "-3 — 1.000"},
        {"ValueQuarterLine", [&] { return value(Handicap1, "-0,75", "2.60"); }, "2.539 | +2.11 | 1.66 % | "},
        {"ValueNoBet", [&] { return value(Over, "2.5", "2"); }, "2.077 | -3.69 | не ставить | "},
        {"ValueWithoutOffered", [&] { return value(Draw, "", ""); }, "3.881 |  |  | "},
        {"ValueLineIgnoredWithoutLine", [&] { return value(Home, "abc", "2.2"); }, "2.154 | +2.13 | 1.78 % | "},
        {"ValueBadLine", [&] { return value(Handicap2, "0.3", "2"); }, " |  |  | Неверная линия ставки: число, кратное 0.25"},
        {"ValueNegativeTotal", [&] { return value(HomeOver, "-0.5", "2"); }, " |  |  | Неверная линия ставки: число, кратное 0.25"},
        {"ValueBadOffered", [&] { return value(Handicap2, "+0.25", "1"); }, "2.141 |  |  | Неверный коэффициент ставки"},
        {"Empty", [] { return shown(MatchModelEntry{}); }, ""},
        {"Letters", [] { return shown(odds("abc", "3.5", "3.75")); }, "Неверный коэффициент П1, Х или П2: нужны все три, больше 1"},
        {"OddsOfOne", [] { return shown(odds("2.05", "1", "3.75")); }, "Неверный коэффициент П1, Х или П2: нужны все три, больше 1"},
        {"TwoOddsOfThree", [] { return shown(odds("2.05", "3.5", "")); }, "Неверный коэффициент П1, Х или П2: нужны все три, больше 1"},
        {"TotalLineOffQuarter", [] { return shown(odds("2.05", "3.5", "3.75", "1.95", "1.9", "0.3")); }, "Неверная линия тотала: число, кратное 0.25, от 0.5"},
        {"TotalLineZero", [] { return shown(odds("2.05", "3.5", "3.75", "1.95", "1.9", "0")); }, "Неверная линия тотала: число, кратное 0.25, от 0.5"},
        {"OneTotalOdds", [] { return shown(odds("2.05", "3.5", "3.75", "1.95", "")); }, "Тотал: нужны оба коэффициента, ТБ и ТМ, или ни одного"},
        {"BadTotalOdds", [] { return shown(odds("2.05", "3.5", "3.75", "0.5", "1.9")); }, "Неверный коэффициент тотала"},
        {"ResultsAlone", [] { return shown(odds("2.05", "3.5", "3.75")); }, "λ: 1.371 – 0.936 | ρ: 0.0000 | П1 46.90 % · Х 27.47 % · П2 25.64 % | Обе забьют: да 45.35 % / нет 54.65 % | "},
        {"LineWithoutTotalOddsIsTheResultsAlone", [] { return shown(odds("2.05", "3.5", "3.75", "", "", "0.3")); }, shown(odds("2.05", "3.5", "3.75"))},
        {"LambdaZero", [] { return shown(lambdas("0", "1.1")); }, "Ожидаемые голы: два числа больше 0 и не больше 20"},
        {"LambdaFifty", [] { return shown(lambdas("1.5", "50")); }, "Ожидаемые голы: два числа больше 0 и не больше 20"},
        {"OneLambda", [] { return shown(lambdas("1.5", "")); }, "Ожидаемые голы: два числа больше 0 и не больше 20"},
        {"DrawTooRareForAnyModel", [&] { return shown(odds("2", "40", "2")); }, noFit},
        {"TotalAtOddsWithTheResults", [&] { return shown(odds("2.05", "3.5", "3.75", "1.01", "30")); }, noFit},
        {"AdditiveBelowZero", [&] { auto e = odds("1.05", "10", "100"); e.method = MarginMethod::Additive; return shown(e); }, noFit},
    });
    // clang-format on
}

} // namespace
