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

// EV, the share of the bank to stake and the stake at odds `k` for a
// probability `p`.
void fillBet(FairOddsRow& row, const mpq_class& p, const mpq_class& k, const std::optional<mpq_class>& bank,
             KellyShare share)
{
    row.ev = signedPercentText(expectedValue(p, k));
    const mpq_class kelly = kellyFraction(p, k) / static_cast<int>(share);
    if (kelly <= 0) {
        row.kelly = noBetText;
        return;
    }
    row.kelly = percentText(kelly);
    if (bank)
        row.stake = moneyText(*bank * kelly);
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
    if (entries.size() < std::size_t{minFairOutcomes} || entries.size() > std::size_t{maxFairOutcomes}) {
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

    std::optional<mpq_class> bank;
    if (!isBlankText(bankText)) {
        bank = readTypedNumber(bankText);
        if (!bank || *bank <= 0) {
            bank.reset();
            notes.push_back("Неверная сумма банка");
        }
    }
    mpq_class ownTotal = 0;
    std::vector<std::size_t> belowZero, badOwn;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FairOddsRow& row = captions.rows[i];
        const mpq_class& k = (*odds)[i];
        // Without a margin the fair probability is 1/k exactly: its double
        // would make an even bet look a hair better than nothing.
        const mpq_class p = margin <= 0 ? mpq_class(1 / k) : mpq_class(fair.probabilities[i]);
        row.implied = percentText(1 / k);
        row.fair = percentText(p);
        if (p > 0)
            row.fairOdds = fixedText(1 / p, 2);
        if (p < 0)
            belowZero.push_back(i);
        if (isBlankText(entries[i].probabilityText)) {
            fillBet(row, p, k, bank, share);
            continue;
        }
        const auto own = readTypedNumber(entries[i].probabilityText);
        if (!own || *own < 0 || *own > 100) {
            badOwn.push_back(i);
            continue;
        }
        ownTotal += *own;
        fillBet(row, *own / 100, k, bank, share);
    }
    noteRows(notes, belowZero, "вероятность ниже нуля");
    noteRows(notes, badOwn, "неверная вероятность");
    if (ownTotal > 100)
        notes.push_back("Ваши вероятности в сумме " + fixedText(ownTotal, 2) + " %, больше 100 %");
    captions.note = lines(notes);
    return captions;
}

} // namespace zoret
