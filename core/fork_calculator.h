// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/outcome_rows.h"

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

// The fork calculator in exact numbers: bets on every outcome of one event,
// split so that each outcome returns the whole stake and the profit is
// shared as asked, then optionally rounded to a step.
namespace zoret {

// The odds once the bookmaker's commission (percent of the net winnings) is
// taken: 1 + (odds - 1)(1 - commission / 100).
mpq_class effectiveOdds(const mpq_class& odds, const mpq_class& commissionPercent);

struct ForkLeg {
    mpq_class odds; // effective, above 1
    bool sharesProfit = true; // an outcome that does not only returns the whole stake
};

// The sum of the reciprocals of the odds: below 1 for a fork.
mpq_class reciprocalSum(std::span<const ForkLeg> legs);

struct ForkPlan {
    std::vector<mpq_class> stakes;
    mpq_class total;
};

// What each outcome pays back less the whole stake.
std::vector<mpq_class> forkProfits(std::span<const ForkLeg> legs, const ForkPlan& plan);

// A split of `total`: the outcomes that do not share pay back exactly the
// total, those that share (all of them when none is marked) pay one common
// amount. Nothing when the outcomes that do not share need the whole total.
std::optional<ForkPlan> planFork(std::span<const ForkLeg> legs, const mpq_class& total);

// The same split around the stake of one outcome, the total following from
// it. Nothing when it cannot be done.
std::optional<ForkPlan> planForkAround(std::span<const ForkLeg> legs, std::size_t fixedRow, const mpq_class& stake);

// The stakes of `exact` as multiples of `step`, each rounded down or up
// (the fixed row and exact multiples stay). A choice that loses on no
// outcome beats every choice that loses, and of those that lose the smallest
// worst loss wins; then the smallest largest shortfall of an outcome's profit
// against the exact one (the profit stays where it was asked to go); then the
// smaller total. Without a fixed row the total may not grow.
ForkPlan roundForkPlan(std::span<const ForkLeg> legs, const ForkPlan& exact, const mpq_class& step,
                       std::optional<std::size_t> fixedRow);

} // namespace zoret
