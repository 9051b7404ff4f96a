// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_value.h"

namespace zoret {

namespace {

// What one settlement does to a stake of 1 at `odds`: each half won gains
// (odds − 1)/2, each half lost takes 1/2.
double gain(int wonHalves, int lostHalves, double odds) { return (wonHalves * (odds - 1) - lostHalves) / 2; }

// The slope of the expected logarithm at the share `f` of the bankroll.
double slope(const LineOutcomes& outcomes, double odds, double f)
{
    double sum = 0;
    for (int w = 0; w < 3; ++w)
        for (int l = 0; w + l < 3; ++l)
            if (outcomes[w][l] > 0) {
                const double g = gain(w, l, odds);
                sum += outcomes[w][l] * g / (1 + f * g);
            }
    return sum;
}

// An expected value this small is the rounding of a bet at its fair odds:
// the fit itself is good to 1e-12.
constexpr double noValue = 1e-12;

} // namespace

LineOutcomes lineOutcomes(std::span<const ScoreProbability> grid, Market market, long lineQuarters)
{
    LineOutcomes outcomes{};
    for (const ScoreProbability& cell : grid) {
        const LineSettlement s = settle(market, lineQuarters, cell.score);
        outcomes[std::size_t(s.wonHalves)][std::size_t(s.lostHalves)] += cell.probability;
    }
    return outcomes;
}

LineShares lineShares(const LineOutcomes& outcomes)
{
    LineShares shares;
    for (int w = 0; w < 3; ++w)
        for (int l = 0; w + l < 3; ++l) {
            shares.won += outcomes[w][l] * w / 2;
            shares.lost += outcomes[w][l] * l / 2;
        }
    return shares;
}

std::optional<double> fairOdds(const LineShares& shares)
{
    if (!(shares.won >= leastPricedShare))
        return std::nullopt;
    return 1 + shares.lost / shares.won;
}

double expectedValue(const LineOutcomes& outcomes, double odds)
{
    const LineShares shares = lineShares(outcomes);
    return shares.won * (odds - 1) - shares.lost;
}

// The expected logarithm is concave in the share staked: its slope falls
// from the expected value at 0 (no stake loses more than itself, so the
// bankroll stays above zero below the whole of it, where a loss makes the
// slope minus infinity). Where the slope still rises at the whole bankroll,
// all of it; else bisection on the slope's sign, which halves the bracket
// every step and cannot leave it.
double kellyFraction(const LineOutcomes& outcomes, double odds)
{
    if (!(slope(outcomes, odds, 0) > noValue))
        return 0;
    if (slope(outcomes, odds, 1) >= 0)
        return 1;
    double low = 0, up = 1;
    for (int step = 0; step < 200 && up - low > 0; ++step) {
        const double middle = low + (up - low) / 2;
        if (middle <= low || middle >= up)
            break;
        (slope(outcomes, odds, middle) > 0 ? low : up) = middle;
    }
    return low;
}

} // namespace zoret
