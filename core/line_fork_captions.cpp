// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork_captions.h"

#include "core/match_model.h"

#include "core/exact_decimal.h"
#include "core/line_fork.h"
#include "core/number_text.h"
#include "core/percent_text.h"
#include "core/score_model.h"
#include "core/typed_number.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace zoret {

namespace {

// No handicap or total of any sport comes near; beyond it a line is a typo.
constexpr double maxExpectedGoals = 20;

std::string rowNote(std::size_t row, std::string_view what)
{
    return "Ставка " + countText(long(row) + 1) + ": " + std::string(what);
}

// The bets in exact numbers, the fixed row and its stake (none while its box
// is blank), and the first bad number in the order of the rows.
struct ReadRows {
    std::vector<LineBet> bets;
    std::optional<std::size_t> fixedRow;
    std::optional<mpq_class> fixedStake;
    std::string note;
};

std::string readBet(const LineForkRowEntry& row, LineBet& bet)
{
    const auto line = marketHasLine(row.market) ? readLine(row.market, row.lineText) : std::optional<long>(0);
    const auto odds = readTypedOdds(row.oddsText);
    const auto commission = readCommission(row.commissionText);
    if (!line)
        return "неверная линия";
    if (!odds || *odds <= 1)
        return "неверный коэффициент";
    if (!commission)
        return "неверная комиссия";
    bet = {{row.market, *line}, *odds, *commission, row.lay};
    return "";
}

ReadRows readRows(std::span<const LineForkRowEntry> rows)
{
    ReadRows read;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        read.bets.emplace_back();
        if (const auto bad = readBet(rows[i], read.bets.back()); !bad.empty() && read.note.empty())
            read.note = rowNote(i, bad);
        if (!rows[i].fixed)
            continue;
        if (read.fixedRow)
            throw std::invalid_argument("a fork fixes the stake of one bet at most");
        read.fixedRow = i;
        const FixedStake fixed = readFixedStake(rows[i].stakeText);
        read.fixedStake = fixed.stake;
        if (fixed.bad && read.note.empty())
            read.note = rowNote(i, "неверная ставка");
    }
    return read;
}

// Expected goals: none while either box is blank, an error text when bad.
std::optional<ScoreModel> readGoals(std::string_view home, std::string_view away, double rho, std::string& note)
{
    if (isBlankText(home) || isBlankText(away))
        return std::nullopt;
    const auto h = readTypedNumber(home), a = readTypedNumber(away);
    const auto good = [](const std::optional<mpq_class>& x) { return x && sgn(*x) > 0 && *x <= maxExpectedGoals; };
    if (!good(h) || !good(a)) {
        note = "Неверные ожидаемые голы";
        return std::nullopt;
    }
    const ScoreModel model{h->get_d(), a->get_d(), rho};
    if (!isAllowedModel(model)) {
        note = "Ожидаемые голы не подходят к ρ модели: ρ " + fixedText(mpq_class(rho), 4);
        return std::nullopt;
    }
    return model;
}

std::string verdictText(const mpq_class& least, const mpq_class& outlay)
{
    if (sgn(least) > 0 && sgn(outlay) > 0)
        return "Вилка +" + percentText(least / outlay);
    return "Не вилка: в худшем случае " + moneyText(least);
}

std::string signedMoney(const mpq_class& amount)
{
    const std::string text = moneyText(amount);
    return text.starts_with('-') || text == "0.00" ? text : "+" + text;
}

// The probability of each class, and the mean result over them.
void addProbabilities(const ScoreModel& model, std::span<const ScoreClass> classes, std::span<const mpq_class> results,
                      const mpq_class& outlay, LineForkCaptions& captions)
{
    std::vector<double> p(classes.size(), 0);
    for (const auto& sp : scoreProbabilities(model))
        for (std::size_t j = 0; j < classes.size(); ++j)
            if (classes[j].holds(sp.score))
                p[j] += sp.probability;
    double mean = 0;
    for (std::size_t j = 0; j < classes.size(); ++j) {
        captions.outcomes[j].probability = percentText(mpq_class(p[j]));
        mean += p[j] * results[j].get_d();
    }
    captions.expected = "Матожидание " + signedMoney(mpq_class(mean));
    if (sgn(outlay) > 0)
        captions.expected += " (" + percentText(mpq_class(mean) / outlay) + ")";
}

} // namespace

std::string expectedGoalsText(double lambda)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, lambda, std::chars_format::general, 12);
    return std::string(buffer, written.ptr);
}

LineForkCaptions lineForkCaptions(std::span<const LineForkRowEntry> rows, std::string_view sumText,
                                  const std::optional<mpq_class>& step, std::string_view homeGoalsText,
                                  std::string_view awayGoalsText, double rho)
{
    if (rows.size() < minLineForkBets || rows.size() > maxLineForkBets)
        throw std::invalid_argument("a fork on lines has 2 to 10 bets");
    if (step && *step <= 0)
        throw std::invalid_argument("a rounding step is positive");
    LineForkCaptions captions;
    captions.rho = "ρ: " + fixedText(mpq_class(rho), 4);
    captions.rows.resize(rows.size());
    const ReadRows read = readRows(rows);
    if (!read.note.empty())
        return captions.note = read.note, captions;

    std::vector<MarketLine> lines;
    for (const auto& bet : read.bets)
        lines.push_back(bet.line);
    const auto classes = scoreClasses(lines);
    std::optional<LineForkPlan> exact;
    if (read.fixedRow) {
        if (!read.fixedStake)
            return captions;
        exact = planLineForkAround(read.bets, classes, *read.fixedRow, *read.fixedStake);
        if (!exact)
            return captions.note = "Ставка " + countText(long(*read.fixedRow) + 1) + " в лучшем раскладе не участвует",
                   captions;
    } else {
        if (isBlankText(sumText))
            return captions;
        const auto sum = readTypedNumber(sumText);
        if (!sum || *sum <= 0)
            return captions.note = "Неверная сумма", captions;
        exact = planLineFork(read.bets, classes, *sum);
    }
    const LineForkPlan shown = step ? roundLineForkPlan(read.bets, classes, *exact, *step, read.fixedRow) : *exact;
    for (std::size_t i = 0; i < rows.size(); ++i)
        captions.rows[i] = {moneyText(shown.stakes[i]), moneyText(exact->stakes[i]),
                            rows[i].lay ? moneyText(shown.stakes[i] * outlayPerStake(read.bets[i])) : ""};
    const auto payouts = lineForkPayouts(read.bets, classes, shown.stakes);
    std::vector<mpq_class> results;
    for (std::size_t j = 0; j < classes.size(); ++j) {
        results.push_back(payouts[j] - shown.outlay);
        captions.outcomes.push_back(
            {classes[j].caption, moneyText(payouts[j]), moneyText(results.back()), "", sgn(results.back()) > 0});
    }
    const auto [least, most] = std::minmax_element(results.begin(), results.end());
    captions.total = moneyText(shown.outlay);
    captions.profit = moneyRangeText(*least, *most);
    captions.verdict = verdictText(*least, shown.outlay);
    const auto exactPayouts = lineForkPayouts(read.bets, classes, exact->stakes);
    const bool exactHoldsFork =
        std::all_of(exactPayouts.begin(), exactPayouts.end(), [&](const mpq_class& p) { return p > exact->outlay; });
    if (exactHoldsFork && sgn(*least) <= 0)
        captions.note = "Округление не сохраняет вилку: наименьший результат " + moneyText(*least);
    if (const auto model = readGoals(homeGoalsText, awayGoalsText, rho, captions.note))
        addProbabilities(*model, classes, results, shown.outlay, captions);
    return captions;
}

} // namespace zoret
