// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settlement.h"

#include "core/binomial.h"

#include <algorithm>
#include <stdexcept>

namespace zoret {

namespace {

bool pays(Outcome outcome) { return outcome != Outcome::Open && outcome != Outcome::Lost; }

// What a settled event multiplies its lines by.
mpq_class settledFactor(const SlipEvent& event)
{
    switch (event.outcome) {
    case Outcome::Won:
        return event.coefficient;
    case Outcome::Void:
        return 1;
    case Outcome::HalfWon:
        return mpq_class((1 + event.coefficient) / 2);
    case Outcome::HalfLost:
        return mpq_class(1, 2);
    case Outcome::Lost:
    case Outcome::Open:
        break;
    }
    return 0;
}

// The events of a bet: those in every line (the bankers of a system, every
// event of a single or an accumulator) and those a line takes `size` of.
struct LineMakeup {
    std::vector<const SlipEvent*> everyLine;
    std::vector<const SlipEvent*> chosen;
    int size = 0;
};

LineMakeup makeupOf(std::span<const SlipEvent> events, Bet bet)
{
    LineMakeup makeup;
    const bool system = bet.kind == BetKind::System;
    for (const auto& event : events)
        (system && !event.banker ? makeup.chosen : makeup.everyLine).push_back(&event);
    makeup.size = system ? bet.size : 0;
    return makeup;
}

// Every factor is a multiple of 1 / scale: twice the common denominator of
// the coefficients covers the halves. Integers keep e_k fast.
mpz_class commonScale(std::span<const SlipEvent> events)
{
    mpz_class scale = 1;
    for (const auto& event : events)
        mpz_lcm(scale.get_mpz_t(), scale.get_mpz_t(), event.coefficient.get_den_mpz_t());
    return 2 * scale;
}

mpz_class scaled(const mpq_class& factor, const mpz_class& scale) { return mpq_class(factor * scale).get_num(); }

// The elementary symmetric sum of order `size` of `base` and the first t
// of `added`, for t = 0 .. added.size(): the O(n·k) recurrence, one event
// at a time.
std::vector<mpz_class> growingSums(std::span<const mpz_class> base, std::span<const mpz_class> added, int size)
{
    std::vector<mpz_class> e(static_cast<std::size_t>(size) + 1);
    e[0] = 1;
    const auto add = [&](const mpz_class& x) {
        if (x != 0)
            for (int i = size; i >= 1; --i)
                e[i] += x * e[i - 1];
    };
    for (const auto& x : base)
        add(x);
    std::vector<mpz_class> sums{e[size]};
    for (const auto& x : added) {
        add(x);
        sums.push_back(e[size]);
    }
    return sums;
}

// The scaled factors of a bet: the product over the events in every line
// (open ones as won) and the chosen events, settled and open apart.
struct ScaledSlip {
    mpz_class everyLineProduct = 1;
    int openInEveryLine = 0;
    std::vector<mpz_class> settledChosen;
    std::vector<mpz_class> openChosen; // their coefficients, ascending
};

ScaledSlip scaleSlip(const LineMakeup& makeup, const mpz_class& scale)
{
    ScaledSlip slip;
    for (const auto* event : makeup.everyLine) {
        const bool open = event->outcome == Outcome::Open;
        slip.everyLineProduct *= scaled(open ? event->coefficient : settledFactor(*event), scale);
        slip.openInEveryLine += open ? 1 : 0;
    }
    for (const auto* event : makeup.chosen) {
        if (event->outcome == Outcome::Open)
            slip.openChosen.push_back(scaled(event->coefficient, scale));
        else
            slip.settledChosen.push_back(scaled(settledFactor(*event), scale));
    }
    std::sort(slip.openChosen.begin(), slip.openChosen.end());
    return slip;
}

mpq_class ratio(const mpz_class& numerator, const mpz_class& denominator)
{
    if (numerator == 0)
        return 0;
    mpq_class value(numerator, denominator);
    value.canonicalize();
    return value;
}

// What one unit staked on each line returns when exactly j open events win,
// j = 0 .. the open events. e_k only grows with each factor, so the least
// takes the smallest coefficients as the winners and the most the largest;
// an event in every line must win for anything to pay, so the most counts
// those first and the least last.
std::vector<Range> unitPayouts(std::span<const SlipEvent> events, const LineMakeup& makeup)
{
    const mpz_class scale = commonScale(events);
    ScaledSlip slip = scaleSlip(makeup, scale);
    const auto ascending = growingSums(slip.settledChosen, slip.openChosen, makeup.size);
    std::reverse(slip.openChosen.begin(), slip.openChosen.end());
    const auto descending = growingSums(slip.settledChosen, slip.openChosen, makeup.size);

    mpz_class denominator;
    mpz_pow_ui(denominator.get_mpz_t(), scale.get_mpz_t(), makeup.everyLine.size() + makeup.size);
    const int fixedOpen = slip.openInEveryLine;
    const int chosenOpen = static_cast<int>(slip.openChosen.size());
    const int open = fixedOpen + chosenOpen;
    std::vector<Range> payouts(static_cast<std::size_t>(open) + 1);
    for (int j = 0; j <= open; ++j) {
        if (fixedOpen == 0 || j == open)
            payouts[j].least = ratio(slip.everyLineProduct * ascending[std::min(j, chosenOpen)], denominator);
        if (j >= fixedOpen)
            payouts[j].most = ratio(slip.everyLineProduct * descending[j - fixedOpen], denominator);
    }
    return payouts;
}

long long linesWon(const LineMakeup& makeup)
{
    if (!std::all_of(makeup.everyLine.begin(), makeup.everyLine.end(), [](auto* e) { return pays(e->outcome); }))
        return 0;
    const auto paying =
        std::count_if(makeup.chosen.begin(), makeup.chosen.end(), [](auto* e) { return pays(e->outcome); });
    return paying < makeup.size ? 0 : binomial(static_cast<int>(paying), makeup.size);
}

void checkRequest(std::span<const SlipEvent> events, Bet bet, const mpq_class& sum)
{
    const auto bankers = std::count_if(events.begin(), events.end(), [](const auto& e) { return e.banker; });
    const auto bets = offeredBets(static_cast<int>(events.size()), static_cast<int>(bankers));
    if (std::find(bets.begin(), bets.end(), bet) == bets.end())
        throw std::invalid_argument("settle: the slip does not offer this bet");
    if (hasCoefficientBelowOne(events))
        throw std::invalid_argument("settle: a coefficient below 1");
    if (sum <= 0)
        throw std::invalid_argument("settle: the sum is not positive");
}

} // namespace

std::vector<Bet> offeredBets(int eventCount, int bankerCount)
{
    if (eventCount <= 0)
        return {};
    if (eventCount == 1)
        return {Bet{BetKind::Single, 0}};
    std::vector<Bet> bets{Bet{BetKind::Accumulator, 0}};
    const int chosen = eventCount - bankerCount;
    if (eventCount > maxSystemEvents || chosen < minSystemEvents)
        return bets;
    for (int size = bankerCount > 0 ? 1 : 2; size < chosen; ++size)
        bets.push_back(Bet{BetKind::System, size});
    return bets;
}

std::size_t keptBet(std::span<const Bet> bets, const Bet& previous)
{
    const auto found = std::find(bets.begin(), bets.end(), previous);
    return found == bets.end() ? 0 : static_cast<std::size_t>(found - bets.begin());
}

bool hasCoefficientBelowOne(std::span<const SlipEvent> events)
{
    return std::any_of(events.begin(), events.end(), [](const auto& e) { return e.coefficient < 1; });
}

Settlement settle(std::span<const SlipEvent> events, Bet bet, const mpq_class& sum, SumMode mode)
{
    checkRequest(events, bet, sum);
    const LineMakeup makeup = makeupOf(events, bet);
    Settlement s;
    s.lines = binomial(static_cast<int>(makeup.chosen.size()), makeup.size);
    s.lineStake = mode == SumMode::PerLine ? sum : mpq_class(sum / static_cast<long>(s.lines));
    s.totalStake = mode == SumMode::PerLine ? mpq_class(sum * static_cast<long>(s.lines)) : sum;
    s.linesWon = linesWon(makeup);
    const auto unit = unitPayouts(events, makeup);
    for (std::size_t j = 0; j < unit.size(); ++j) {
        WhatIf row{static_cast<int>(j), {unit[j].least * s.lineStake, unit[j].most * s.lineStake}, {}};
        row.profit = {row.payout.least - s.totalStake, row.payout.most - s.totalStake};
        s.whatIf.push_back(std::move(row));
    }
    s.payout = {s.whatIf.front().payout.least, s.whatIf.back().payout.most};
    s.profit = {s.whatIf.front().profit.least, s.whatIf.back().profit.most};
    return s;
}

} // namespace zoret
