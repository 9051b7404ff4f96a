// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork_calculator_captions.h"

#include "core/number_text.h"
#include "core/exact_decimal.h"
#include "core/fork_calculator.h"
#include "core/percent_text.h"
#include "core/settlement_captions.h"
#include "core/typed_number.h"

#include <algorithm>
#include <stdexcept>

namespace zoret {

namespace {

std::string rowNote(std::size_t row, std::string_view what)
{
    return "Исход " + countText(row + 1) + ": " + std::string(what);
}

std::string forkText(const mpq_class& reciprocalSum)
{
    const mpq_class gain = 1 / reciprocalSum - 1;
    if (gain > 0)
        return "Вилка +" + percentText(gain);
    const std::string loss = percentText(-gain);
    return loss == "0.00 %" ? "Не вилка " + loss : "Не вилка -" + loss;
}

// The outcomes in exact numbers, the fixed row and its stake (none while its
// box is blank), and the first bad number in the order of the rows.
struct ReadRows {
    std::vector<ForkLeg> legs;
    bool legsGood = true;
    std::optional<std::size_t> fixedRow;
    std::optional<mpq_class> fixedStake;
    std::string note;
};

ReadRows readRows(std::span<const ForkRowEntry> rows)
{
    ReadRows read;
    const auto refuse = [&](std::size_t row, std::string_view what, bool legBad) {
        read.note = read.note.empty() ? rowNote(row, what) : read.note;
        read.legsGood = read.legsGood && !legBad;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto odds = readTypedOdds(rows[i].oddsText);
        const auto commission = readCommission(rows[i].commissionText);
        if (!odds || *odds <= 1)
            refuse(i, "неверный коэффициент", true);
        else if (!commission)
            refuse(i, "неверная комиссия", true);
        else
            read.legs.push_back({effectiveOdds(*odds, *commission), rows[i].sharesProfit});
        if (!rows[i].fixed)
            continue;
        if (read.fixedRow)
            throw std::invalid_argument("a fork fixes the stake of one outcome at most");
        read.fixedRow = i;
        const FixedStake fixed = readFixedStake(rows[i].stakeText);
        read.fixedStake = fixed.stake;
        if (fixed.bad)
            refuse(i, "неверная ставка", false);
    }
    return read;
}

// The exact split the rows and the total ask for; nothing while a number is
// awaited, or with the note saying why it cannot be made.
std::optional<ForkPlan> exactPlan(const ReadRows& read, std::string_view totalText, std::string& note)
{
    std::optional<ForkPlan> exact;
    if (read.fixedRow) {
        if (!read.fixedStake)
            return std::nullopt;
        exact = planForkAround(read.legs, *read.fixedRow, *read.fixedStake);
    } else {
        if (isBlankText(totalText))
            return std::nullopt;
        const auto total = readTypedNumber(totalText);
        if (!total || *total <= 0)
            return note = "Неверная сумма", std::nullopt;
        exact = planFork(read.legs, *total);
    }
    if (!exact)
        note = read.fixedRow ? "Ставку исхода " + countText(*read.fixedRow + 1)
                                   + " нельзя выдержать: остальным исходам не хватает суммы"
                             : "Сумму нельзя разделить: исходам без прибыли нужна вся сумма";
    return exact;
}

// The stakes shown (rounded when a step is chosen), what each outcome pays
// and leaves, and what rounding costs when it loses the fork.
void showPlan(const ReadRows& read, const ForkPlan& exact, const std::optional<mpq_class>& step,
              ForkCalculatorCaptions& captions)
{
    const ForkPlan shown = step ? roundForkPlan(read.legs, exact, *step, read.fixedRow) : exact;
    const auto exactProfits = forkProfits(read.legs, exact);
    const auto profits = forkProfits(read.legs, shown);
    for (std::size_t i = 0; i < read.legs.size(); ++i)
        captions.rows[i] = {moneyText(shown.stakes[i]), moneyText(exact.stakes[i]),
                            moneyText(shown.stakes[i] * read.legs[i].odds), moneyText(profits[i])};
    const auto [least, most] = std::minmax_element(profits.begin(), profits.end());
    captions.total = moneyText(shown.total);
    captions.profit = rangeText({*least, *most});
    captions.roi = shown.total > 0 ? percentText(*least / shown.total) : "";
    // Rounding loses only where every choice of rounding loses.
    const bool exactHoldsFork = *std::min_element(exactProfits.begin(), exactProfits.end()) >= 0;
    if (exactHoldsFork && moneyText(*least).starts_with('-'))
        captions.note = "Округление не сохраняет вилку: наименьшая прибыль " + moneyText(*least);
}

} // namespace

ForkCalculatorCaptions forkCalculatorCaptions(std::span<const ForkRowEntry> rows, std::string_view totalText,
                                              const std::optional<mpq_class>& step)
{
    if (rows.size() < minOutcomeRows || rows.size() > maxOutcomeRows)
        throw std::invalid_argument("a fork has 2 to 20 outcomes");
    if (step && *step <= 0)
        throw std::invalid_argument("a rounding step is positive");
    ForkCalculatorCaptions captions;
    captions.rows.resize(rows.size());
    const ReadRows read = readRows(rows);
    if (read.legsGood) {
        const mpq_class sum = reciprocalSum(read.legs);
        captions.margin = percentText(sum);
        captions.fork = forkText(sum);
    }
    if (!read.note.empty())
        return captions.note = read.note, captions;
    if (const auto exact = exactPlan(read, totalText, captions.note))
        showPlan(read, *exact, step, captions);
    return captions;
}

} // namespace zoret
