// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fair_odds_captions.h"

#include "core/number_text.h"
#include "core/exact_decimal.h"
#include "core/percent_text.h"
#include "core/typed_number.h"

#include <algorithm>
#include <optional>

namespace zoret {

namespace {

// "Исход 3: what" or "Исходы 1, 3: what": one line however many rows, so
// that twenty empty rows do not make the note twenty lines tall.
std::string rowsNote(const std::vector<std::size_t>& rows, std::string_view what)
{
    std::string text = rows.size() == 1 ? "Исход " : "Исходы ";
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += (i == 0 ? "" : ", ") + countText(static_cast<long long>(rows[i]) + 1);
    return text + ": " + std::string(what);
}

void noteRows(std::vector<std::string>& notes, const std::vector<std::size_t>& rows, std::string_view what)
{
    if (!rows.empty())
        notes.push_back(rowsNote(rows, what));
}

std::string lines(const std::vector<std::string>& notes)
{
    std::string text;
    for (const auto& note : notes)
        text += (text.empty() ? "" : "\n") + note;
    return text;
}

// The odds of every row, or nothing with a remark for each row whose odds
// cannot be read or are not above 1.
std::optional<std::vector<mpq_class>> readOdds(std::span<const FairOddsEntry> entries, std::vector<std::string>& notes)
{
    std::vector<mpq_class> odds;
    std::vector<std::size_t> bad;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto k = readTypedOdds(entries[i].oddsText);
        if (k && *k > 1)
            odds.push_back(*k);
        else
            bad.push_back(i);
    }
    noteRows(notes, bad, "неверный коэффициент");
    return bad.empty() ? std::optional(odds) : std::nullopt;
}

std::optional<mpq_class> readBank(std::string_view bankText, std::vector<std::string>& notes)
{
    if (isBlankText(bankText))
        return std::nullopt;
    const auto bank = readTypedNumber(bankText);
    if (bank && *bank > 0)
        return bank;
    notes.push_back("Неверная сумма банка");
    return std::nullopt;
}

// Shows each row's implied and fair probability and returns the probability
// its bet is judged by: the user's own where one is typed, else the fair one;
// nothing where the own one is bad.
std::vector<std::optional<mpq_class>> judgedProbabilities(std::span<const FairOddsEntry> entries,
                                                          const std::vector<mpq_class>& odds, const mpq_class& margin,
                                                          const FairProbabilities& fair, FairOddsCaptions& captions,
                                                          std::vector<std::string>& notes)
{
    std::vector<std::optional<mpq_class>> judged(entries.size());
    std::vector<std::size_t> belowZero, badOwn;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FairOddsRow& row = captions.rows[i];
        // Without a margin the fair probability is 1/k exactly: its double
        // would make an even bet look a hair better than nothing.
        const mpq_class p = margin <= 0 ? mpq_class(1 / odds[i]) : mpq_class(fair.probabilities[i]);
        row.implied = percentText(1 / odds[i]);
        row.fair = percentText(p);
        if (p > 0)
            row.fairOdds = fixedText(1 / p, 2);
        if (p < 0)
            belowZero.push_back(i);
        const auto own = readTypedNumber(entries[i].probabilityText);
        if (isBlankText(entries[i].probabilityText))
            judged[i] = p;
        else if (own && *own >= 0 && *own <= 100)
            judged[i] = *own / 100;
        else
            badOwn.push_back(i);
    }
    noteRows(notes, belowZero, "вероятность ниже нуля");
    noteRows(notes, badOwn, "неверная вероятность");
    return judged;
}

// The user's probabilities and the fair ones filled in for the rows left
// empty cannot add up to more than everything.
void noteJudgedTotal(std::span<const FairOddsEntry> entries, const std::vector<std::optional<mpq_class>>& judged,
                     std::vector<std::string>& notes)
{
    mpq_class total = 0;
    bool ownTyped = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        total += judged[i].value_or(0);
        ownTyped = ownTyped || !isBlankText(entries[i].probabilityText);
    }
    const std::string text = fixedText(total * 100, 2);
    if (ownTyped && total > 1 && text != "100.00")
        notes.push_back("Ваши вероятности в сумме " + text + " %, больше 100 %");
}

// EV of each row on its own; the Kelly shares of every row with value staked
// together, then the share of them the user places, and the stakes.
void showBets(const std::vector<std::optional<mpq_class>>& judged, const std::vector<mpq_class>& odds,
              const std::optional<mpq_class>& bank, KellyShare share, FairOddsCaptions& captions)
{
    std::vector<mpq_class> probabilities, prices;
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < judged.size(); ++i)
        if (judged[i]) {
            captions.rows[i].ev = signedPercentText(expectedValue(*judged[i], odds[i]));
            probabilities.push_back(*judged[i]), prices.push_back(odds[i]), rows.push_back(i);
        }
    const auto fractions = kellyFractions(probabilities, prices);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        FairOddsRow& row = captions.rows[rows[j]];
        const mpq_class kelly = fractions[j] / static_cast<int>(share);
        row.kelly = kelly > 0 ? percentText(kelly) : std::string(noBetText);
        if (kelly > 0 && bank)
            row.stake = moneyText(*bank * kelly);
    }
}

} // namespace

std::string marginMethodCaption(MarginMethod method)
{
    switch (method) {
    case MarginMethod::Multiplicative:
        return "Пропорциональный";
    case MarginMethod::Additive:
        return "Аддитивный";
    case MarginMethod::Power:
        return "Степенной";
    case MarginMethod::Shin:
        return "Шина";
    }
    return {};
}

std::string kellyShareCaption(KellyShare share)
{
    return share == KellyShare::Full ? "1" : "1/" + countText(static_cast<int>(share));
}

FairOddsCaptions fairOddsCaptions(MarginMethod method, std::span<const FairOddsEntry> entries,
                                  std::string_view bankText, KellyShare share)
{
    FairOddsCaptions captions;
    captions.rows.resize(entries.size());
    if (entries.size() < std::size_t{minOutcomeRows} || entries.size() > std::size_t{maxOutcomeRows}) {
        captions.note = "Нужно от 2 до 20 исходов";
        return captions;
    }
    std::vector<std::string> notes;
    const auto odds = readOdds(entries, notes);
    if (!odds) {
        captions.note = lines(notes);
        return captions;
    }

    const mpq_class margin = bookMargin(*odds);
    captions.margin = percentText(margin);
    if (margin <= 0)
        notes.push_back("Маржи нет: справедливые вероятности равны подразумеваемым");
    std::vector<double> approximate;
    for (const auto& k : *odds)
        approximate.push_back(k.get_d());
    const FairProbabilities fair = fairProbabilities(method, approximate);

    const auto bank = readBank(bankText, notes);
    const auto judged = judgedProbabilities(entries, *odds, margin, fair, captions, notes);
    showBets(judged, *odds, bank, share, captions);
    noteJudgedTotal(entries, judged, notes);
    captions.note = lines(notes);
    return captions;
}

} // namespace zoret
