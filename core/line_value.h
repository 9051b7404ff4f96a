// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/line_payoff.h"
#include "core/score_model.h"

#include <array>
#include <optional>
#include <span>

// What a bet on a line is worth under a score model: how likely each way it
// can settle is, its fair odds, its expected value and its Kelly stake at
// offered odds. A model, not money: doubles.
namespace zoret {

// The probability of each settlement: [won halves][lost halves]. Win, half
// win, refund, half loss and loss (and one half won, one lost, which no line
// of a quarter's steps can do, but the rule is kept whole).
using LineOutcomes = std::array<std::array<double, 3>, 3>;

LineOutcomes lineOutcomes(std::span<const ScoreProbability> grid, Market market, long lineQuarters);

// The expected share of the stake won and lost.
struct LineShares {
    double won = 0;
    double lost = 0;
};

LineShares lineShares(const LineOutcomes& outcomes);

// Below this share won the grid, which leaves out up to 1e-15 of the
// probability, cannot price a line to its three decimals.
inline constexpr double leastPricedShare = 1e-12;

// The odds at which the bet breaks even: 1 + lost / won; nothing when
// nothing (above `leastPricedShare`) can be won.
std::optional<double> fairOdds(const LineShares& shares);

// What a stake of 1 at `odds` wins on average: won · (odds − 1) − lost.
double expectedValue(const LineOutcomes& outcomes, double odds);

// The share of the bankroll, at most all of it, that maximises the expected
// logarithm of the bankroll after the bet at `odds`; 0 when the bet has no
// value. For a bet that only wins or loses it is (p·k − 1)/(k − 1).
double kellyFraction(const LineOutcomes& outcomes, double odds);

} // namespace zoret
