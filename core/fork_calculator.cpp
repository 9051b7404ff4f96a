// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork_calculator.h"

#include <algorithm>

namespace zoret {

namespace {

// Which outcomes share the profit: the marked ones, or all when none is.
std::vector<bool> sharing(std::span<const ForkLeg> legs)
{
    std::vector<bool> shares;
    for (const auto& leg : legs)
        shares.push_back(leg.sharesProfit);
    if (std::none_of(shares.begin(), shares.end(), [](bool s) { return s; }))
        shares.assign(shares.size(), true);
    return shares;
}

// The reciprocals of the odds of the outcomes that do not share and of
// those that do.
struct Reciprocals {
    mpq_class unshared;
    mpq_class shared;
};

Reciprocals reciprocals(std::span<const ForkLeg> legs, const std::vector<bool>& shares)
{
    Reciprocals sums;
    for (std::size_t i = 0; i < legs.size(); ++i)
        (shares[i] ? sums.shared : sums.unshared) += 1 / legs[i].odds;
    return sums;
}

// Stakes paying `total` on the outcomes that do not share and `common` on
// those that do.
ForkPlan spread(std::span<const ForkLeg> legs, const std::vector<bool>& shares, const mpq_class& total,
                const mpq_class& common)
{
    ForkPlan plan{{}, total};
    for (std::size_t i = 0; i < legs.size(); ++i)
        plan.stakes.push_back((shares[i] ? common : total) / legs[i].odds);
    return plan;
}

} // namespace

mpq_class effectiveOdds(const mpq_class& odds, const mpq_class& commissionPercent)
{
    return 1 + (odds - 1) * (1 - commissionPercent / 100);
}

mpq_class reciprocalSum(std::span<const ForkLeg> legs)
{
    mpq_class sum = 0;
    for (const auto& leg : legs)
        sum += 1 / leg.odds;
    return sum;
}

std::vector<mpq_class> forkProfits(std::span<const ForkLeg> legs, const ForkPlan& plan)
{
    std::vector<mpq_class> profits;
    for (std::size_t i = 0; i < legs.size(); ++i)
        profits.push_back(plan.stakes[i] * legs[i].odds - plan.total);
    return profits;
}

// With u and h the reciprocals of the odds that do not share and of those
// that do, stakes adding up to T need the common payout R = T(1 - u) / h:
// a split exists only when u < 1.
std::optional<ForkPlan> planFork(std::span<const ForkLeg> legs, const mpq_class& total)
{
    const auto shares = sharing(legs);
    const auto sums = reciprocals(legs, shares);
    if (sums.unshared >= 1)
        return std::nullopt;
    return spread(legs, shares, total, total * (1 - sums.unshared) / sums.shared);
}

std::optional<ForkPlan> planForkAround(std::span<const ForkLeg> legs, std::size_t fixedRow, const mpq_class& stake)
{
    const auto shares = sharing(legs);
    const auto sums = reciprocals(legs, shares);
    if (sums.unshared >= 1)
        return std::nullopt;
    const mpq_class pays = stake * legs[fixedRow].odds;
    if (!shares[fixedRow])
        return spread(legs, shares, pays, pays * (1 - sums.unshared) / sums.shared);
    return spread(legs, shares, pays * sums.shared / (1 - sums.unshared), pays);
}

// Rounding each movable stake x_i with odds k_i down by a_i or up by
// b_i = s - a_i changes it by d_i and the total by D = sum d_i = m s - A,
// m the stakes rounded up, A the sum of all a_i. Outcome i then falls short
// of its exact profit by D - k_i d_i: D + k_i a_i when rounded down, D - k_i b_i
// when up, D when it does not move. Say outcome p is the one rounded down with
// the largest k_p a_p: then the largest shortfall is D + k_p a_p, every stake
// with a larger k a is rounded up, and rounding any other stake down as well
// lowers D (and the total) without raising that largest term. So the best
// choice rounds up a prefix of the stakes sorted by k a descending, m = 0..n.
// All up only a fixed row allows (otherwise m s > A), and its own term 0 is
// then the largest. The total grows with m, so of equal shortfalls the first
// m has the smaller total.
ForkPlan roundForkPlan(std::span<const ForkLeg> legs, const ForkPlan& exact, const mpq_class& step,
                       std::optional<std::size_t> fixedRow)
{
    struct Movable {
        std::size_t row;
        mpq_class downTerm; // k a
    };
    ForkPlan rounded = exact;
    std::vector<Movable> movable;
    mpq_class below = 0; // A
    for (std::size_t i = 0; i < legs.size(); ++i) {
        if (i == fixedRow)
            continue;
        const mpz_class units(mpq_class(exact.stakes[i] / step)); // truncates: stakes are not negative
        rounded.stakes[i] = units * step;
        const mpq_class a = exact.stakes[i] - rounded.stakes[i];
        if (a == 0)
            continue;
        below += a;
        movable.push_back({i, legs[i].odds * a});
    }
    std::sort(movable.begin(), movable.end(),
              [](const Movable& x, const Movable& y) { return x.downTerm > y.downTerm; });

    // Without a fixed row the total may not grow: m s <= A.
    const std::size_t most = fixedRow ? movable.size() : std::size_t(mpz_class(below / step).get_ui());
    std::size_t bestUp = 0;
    mpq_class best;
    for (std::size_t m = 0; m <= most; ++m) {
        const mpq_class shortfall = m * step - below + (m < movable.size() ? movable[m].downTerm : mpq_class(0));
        if (m == 0 || shortfall < best)
            best = shortfall, bestUp = m;
    }
    for (std::size_t m = 0; m < bestUp; ++m)
        rounded.stakes[movable[m].row] += step;
    rounded.total = exact.total - below + bestUp * step;
    return rounded;
}

} // namespace zoret
