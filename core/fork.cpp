// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork.h"

#include "core/convert.h"

#include <span>
#include <stdexcept>
#include <string>

namespace zoret {

namespace {

constexpr int minOutcomes = 2;
constexpr int maxOutcomes = 4;

void requireOutcomes(int outcomes)
{
    if (outcomes < minOutcomes || outcomes > maxOutcomes)
        throw std::invalid_argument("a fork has 2 to 4 outcomes");
}

} // namespace

Single forkMargin(int outcomes, const ForkOdds& odds)
{
    requireOutcomes(outcomes);
    const double k1 = odds[0];
    const double k2 = odds[1];
    const double k3 = odds[2];
    const double k4 = odds[3];

    // The operand order is deliberate: it decides the last bit of the margin.
    switch (outcomes) {
    case 2:
        return toSingle(divide(k2 + k1, k2 * k1));
    case 3:
        return toSingle(divide(k1 * k3 + k2 * k1 + k2 * k3, k2 * k1 * k3));
    default:
        return toSingle(divide(k2 * k1 * k4 + k2 * k1 * k3 + k1 * k3 * k4 + k2 * k3 * k4, k2 * k1 * k3 * k4));
    }
}

bool isFork(Single margin) { return margin > 0 && margin < 1; }

Single holePercent(Single margin) { return toSingle(divide(100.0, margin) - 100.0); }

namespace {

// What is left of the sum once the uncentred outcomes are staked, shared by
// the centred ones (their indices in `ticked`) so that they pay alike.
void shareRest(const ForkOdds& odds, double rest, std::span<const std::size_t> ticked, ForkSplit& split)
{
    if (ticked.size() == 1) {
        split.stakes[ticked[0]] = toSingle(rest);
        return;
    }
    const double ka = odds[ticked[0]];
    const double kb = odds[ticked[1]];
    double shares = 0;
    if (ticked.size() == 2) {
        shares = divide(ka + kb, ka * kb);
    } else {
        const double kc = odds[ticked[2]];
        shares = divide(ka * kb + ka * kc + kb * kc, ka * kb * kc);
    }
    const Single payout = toSingle(divide(rest, shares));
    for (const std::size_t t : ticked)
        split.stakes[t] = toSingle(divide(payout, odds[t]));
}

} // namespace

ForkSplit forkStakes(int outcomes, const ForkOdds& odds, Single sum, Single margin, const CentredSet& centred)
{
    requireOutcomes(outcomes);
    const auto n = static_cast<std::size_t>(outcomes);

    ForkSplit split;
    split.totalReturn = toSingle(divide(sum, margin));

    std::array<std::size_t, maxOutcomes> ticked{};
    std::size_t tickedCount = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (centred[i])
            ticked[tickedCount++] = i;

    if (tickedCount == 0 || tickedCount == n) {
        for (std::size_t i = 0; i < n; ++i)
            split.stakes[i] = toSingle(divide(split.totalReturn, odds[i]));
    } else {
        // The uncentred outcomes only pay the sum back; the remainder is
        // kept in double and shared among the centred ones.
        double rest = sum;
        for (std::size_t i = 0; i < n; ++i) {
            if (centred[i])
                continue;
            split.stakes[i] = toSingle(divide(sum, odds[i]));
            rest -= split.stakes[i];
        }
        shareRest(odds, rest, std::span(ticked).first(tickedCount), split);
    }

    for (std::size_t i = 0; i < n; ++i)
        split.payouts[i] = toSingle(double(odds[i]) * double(split.stakes[i]));
    return split;
}

ForkSum splitForkSum(int outcomes, const ForkOdds& odds, Single sum, const CentredSet& centred)
{
    // The split must use the margin of the odds it divides with, not the one
    // of an earlier "Маржа": otherwise the payouts disagree with "Итог", and
    // odds edited into no fork at all would still be split.
    const Single margin = forkMargin(outcomes, odds);
    if (!isFork(margin))
        return {margin, std::nullopt};
    return {margin, forkStakes(outcomes, odds, sum, margin, centred)};
}

} // namespace zoret
