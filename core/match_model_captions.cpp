// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/match_model_captions.h"

#include "core/exact_decimal.h"
#include "core/fair_odds_captions.h"
#include "core/line_value.h"
#include "core/match_model.h"
#include "core/number_text.h"
#include "core/percent_text.h"
#include "core/typed_number.h"

namespace zoret {

namespace {

using Grid = std::vector<ScoreProbability>;

void addNote(std::string& note, std::string_view line)
{
    if (!note.empty())
        note += '\n';
    note += line;
}

std::optional<double> readOdds(std::string_view text)
{
    const auto k = readTypedOdds(text);
    return k && *k > 1 ? std::optional(k->get_d()) : std::nullopt;
}

// The margin-free probabilities of the odds as Form7's method gives them.
std::vector<double> marginFree(MarginMethod method, const std::vector<double>& odds)
{
    return fairProbabilities(method, odds).probabilities;
}

// The main total, when both its odds are typed; `bad` when it cannot be read.
std::optional<TotalTarget> readTotal(const MatchModelEntry& e, std::string& note, bool& bad)
{
    if (isBlankText(e.over) && isBlankText(e.under))
        return std::nullopt;
    bad = true;
    if (isBlankText(e.over) || isBlankText(e.under)) {
        addNote(note, "Тотал: нужны оба коэффициента, ТБ и ТМ, или ни одного");
        return std::nullopt;
    }
    auto line = readLine(Market::Over, e.totalLine);
    if (line && *line < 2) // the main total starts at 0.5
        line.reset();
    const auto over = readOdds(e.over), under = readOdds(e.under);
    if (!line)
        addNote(note, "Неверная линия тотала: число, кратное 0.25, от 0.5");
    if (!over || !under)
        addNote(note, "Неверный коэффициент тотала");
    if (!line || !over || !under)
        return std::nullopt;
    bad = false;
    return TotalTarget{*line, marginFree(e.method, {*over, *under})[0]};
}

// The fit to the three odds of the 1X2 and the total if typed.
std::optional<ScoreModel> fitToOdds(const MatchModelEntry& e, std::string& note)
{
    const auto home = readOdds(e.home), draw = readOdds(e.draw), away = readOdds(e.away);
    if (!home || !draw || !away) {
        addNote(note, "Неверный коэффициент П1, Х или П2: нужны все три, больше 1");
        return std::nullopt;
    }
    bool badTotal = false;
    const auto total = readTotal(e, note, badTotal);
    if (badTotal)
        return std::nullopt;
    const auto p = marginFree(e.method, {*home, *draw, *away});
    const auto model = fitScoreModel({p[0], p[2], total});
    if (!model)
        addNote(note, "Ни одна модель не даёт таких вероятностей: проверьте коэффициенты");
    return model;
}

// Expected goals typed directly: plain Poisson.
std::optional<ScoreModel> modelFromLambdas(const MatchModelEntry& e, std::string& note)
{
    if (isBlankText(e.lambda1) && isBlankText(e.lambda2))
        return std::nullopt;
    const auto l1 = readTypedNumber(e.lambda1), l2 = readTypedNumber(e.lambda2);
    const auto good = [](const auto& l) { return l && *l > 0 && *l <= 20; };
    if (!good(l1) || !good(l2)) {
        addNote(note, "Ожидаемые голы: два числа больше 0 и не больше 20");
        return std::nullopt;
    }
    if (!isBlankText(e.over) || !isBlankText(e.under))
        addNote(note, "Тотал без коэффициентов П1, Х, П2 не учитывается");
    return ScoreModel{l1->get_d(), l2->get_d(), 0};
}

std::string priceText(const std::optional<double>& odds)
{
    return odds ? fixedText(mpq_class(*odds), 3) : std::string(noPriceText);
}

std::optional<double> fairPrice(const Grid& grid, Market market, long quarters)
{
    return fairOdds(lineShares(lineOutcomes(grid, market, quarters)));
}

void fillTables(const Grid& grid, MatchModelCaptions& c)
{
    for (long q = firstHandicapQuarters; q <= lastHandicapQuarters; ++q)
        c.handicaps.push_back({lineText(q, true), priceText(fairPrice(grid, Market::Handicap1, q)),
                               priceText(fairPrice(grid, Market::Handicap2, -q))});
    for (long q = firstTotalQuarters; q <= lastTotalQuarters; ++q)
        c.totals.push_back({lineText(q, false), priceText(fairPrice(grid, Market::Over, q)),
                            priceText(fairPrice(grid, Market::Under, q))});
}

// The correct scores to five goals a side, the rest together, and both to score.
void fillScores(const Grid& grid, MatchModelCaptions& c)
{
    double other = 0, both = 0, neither = 0;
    for (const ScoreProbability& cell : grid) {
        const auto [h, a] = cell.score;
        if (h < shownGoals && a < shownGoals)
            c.scores[std::size_t(h)][std::size_t(a)] = percentText(mpq_class(cell.probability));
        else
            other += cell.probability;
        (h > 0 && a > 0 ? both : neither) += cell.probability;
    }
    c.otherScore = percentText(mpq_class(other));
    c.bothScore = "Обе забьют: да " + percentText(mpq_class(both)) + " / нет " + percentText(mpq_class(neither));
}

void fillModel(const ScoreModel& m, const Grid& grid, MatchModelCaptions& c)
{
    c.lambdas = "λ: " + fixedText(mpq_class(m.lambda1), 3) + " – " + fixedText(mpq_class(m.lambda2), 3);
    c.rho = "ρ: " + fixedText(mpq_class(m.rho), 4);
    const auto result = [&](Market market, std::string_view name) {
        return std::string(name) + " " + percentText(mpq_class(lineShares(lineOutcomes(grid, market, 0)).won));
    };
    c.probabilities =
        result(Market::Home, "П1") + " · " + result(Market::Draw, "Х") + " · " + result(Market::Away, "П2");
    fillTables(grid, c);
    fillScores(grid, c);
}

// The fair odds of the bet checked and, at odds offered, its expected value
// per 100 staked and its Kelly stake.
void fillValue(const MatchModelEntry& e, const Grid& grid, MatchModelCaptions& c)
{
    const auto line = marketHasLine(e.market) ? readLine(e.market, e.line) : std::optional(0L);
    if (!line) {
        addNote(c.note, "Неверная линия ставки: число, кратное 0.25");
        return;
    }
    const LineOutcomes outcomes = lineOutcomes(grid, e.market, *line);
    c.fair = priceText(fairOdds(lineShares(outcomes)));
    if (isBlankText(e.offered))
        return;
    const auto offered = readOdds(e.offered);
    if (!offered) {
        addNote(c.note, "Неверный коэффициент ставки");
        return;
    }
    c.ev = signedText(mpq_class(expectedValue(outcomes, *offered) * 100), 2);
    const double kelly = kellyFraction(outcomes, *offered);
    c.kelly = kelly > 0 ? percentText(mpq_class(kelly)) : std::string(noBetText);
}

} // namespace

std::string lineText(long quarters, bool signedLine)
{
    std::string text = fixedText(mpq_class(quarters) / 4, 2);
    while (text.back() == '0' && text.find('.') != std::string::npos)
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (signedLine && quarters > 0)
        text.insert(0, 1, '+');
    return text;
}

MatchModelCaptions matchModelCaptions(const MatchModelEntry& e)
{
    MatchModelCaptions c;
    const bool oddsTyped = !isBlankText(e.home) || !isBlankText(e.draw) || !isBlankText(e.away);
    c.model = oddsTyped ? fitToOdds(e, c.note) : modelFromLambdas(e, c.note);
    if (!c.model)
        return c;
    const Grid grid = scoreProbabilities(*c.model);
    fillModel(*c.model, grid, c);
    fillValue(e, grid, c);
    return c;
}

} // namespace zoret
