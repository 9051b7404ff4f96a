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
// m the stakes rounded up, A the sum of all a_i. Outcome i then ends at its
// exact profit less D - k_i d_i: its shortfall is D + k_i a_i when rounded
// down, D - k_i b_i when up, D when it does not move. For a given m, D is
// fixed and rounding a stake up rather than down is better for its outcome
// by both measures, so the best choice for m is: up every stake whose
// outcome would otherwise lose more than allowed, and the rest of the m ups
// to the largest down shortfalls. The allowance is nothing when some choice
// loses nowhere, else the smallest worst loss any choice has (the m ups go to
// the outcomes that are worst off when down).
namespace {

struct Movable {
    std::size_t row;
    mpq_class downTerm; // k a
    mpq_class upTerm; // k b
};

struct Rounding {
    std::span<const ForkLeg> legs;
    std::vector<mpq_class> exactProfits;
    std::vector<Movable> movable; // by down shortfall, largest first
    mpq_class below; // A
    mpq_class step;
};

// The result of every outcome once `up` of the movable stakes go up, for m ups.
std::vector<mpq_class> results(const Rounding& r, std::size_t m, const std::vector<bool>& up)
{
    const mpq_class d = m * r.step - r.below;
    std::vector<mpq_class> out(r.legs.size());
    for (std::size_t i = 0; i < r.legs.size(); ++i)
        out[i] = r.exactProfits[i] - d;
    for (std::size_t j = 0; j < r.movable.size(); ++j) {
        const auto& mv = r.movable[j];
        out[mv.row] += up[j] ? mv.upTerm : -mv.downTerm;
    }
    return out;
}

// The m ups that leave every outcome at least `floor` with the smallest
// largest shortfall; nothing when no m ups can.
std::optional<std::vector<bool>> upsAbove(const Rounding& r, std::size_t m, const mpq_class& floor)
{
    const mpq_class d = m * r.step - r.below;
    std::vector<bool> up(r.movable.size(), false);
    std::size_t used = 0;
    for (std::size_t j = 0; j < r.movable.size(); ++j)
        if (r.exactProfits[r.movable[j].row] - d - r.movable[j].downTerm < floor)
            up[j] = true, ++used;
    for (std::size_t j = 0; j < r.movable.size() && used < m; ++j)
        if (!up[j])
            up[j] = true, ++used;
    if (used != m)
        return std::nullopt;
    const auto got = results(r, m, up);
    if (std::any_of(got.begin(), got.end(), [&](const mpq_class& x) { return x < floor; }))
        return std::nullopt;
    return up;
}

// The largest worst result any choice of m ups has: up the m outcomes that
// are worst off when down.
mpq_class bestWorst(const Rounding& r, std::size_t m)
{
    const mpq_class d = m * r.step - r.below;
    std::vector<std::size_t> order(r.movable.size());
    for (std::size_t j = 0; j < order.size(); ++j)
        order[j] = j;
    const auto down = [&](std::size_t j) -> mpq_class {
        return r.exactProfits[r.movable[j].row] - d - r.movable[j].downTerm;
    };
    std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) { return down(x) < down(y); });
    std::vector<bool> up(r.movable.size(), false);
    for (std::size_t j = 0; j < m; ++j)
        up[order[j]] = true;
    const auto got = results(r, m, up);
    return *std::min_element(got.begin(), got.end());
}

mpq_class largestShortfall(const Rounding& r, std::size_t m, const std::vector<bool>& up)
{
    const auto got = results(r, m, up);
    mpq_class largest = r.exactProfits[0] - got[0];
    for (std::size_t i = 1; i < got.size(); ++i)
        largest = std::max(largest, mpq_class(r.exactProfits[i] - got[i]));
    return largest;
}

} // namespace

ForkPlan roundForkPlan(std::span<const ForkLeg> legs, const ForkPlan& exact, const mpq_class& step,
                       std::optional<std::size_t> fixedRow)
{
    Rounding r{legs, forkProfits(legs, exact), {}, 0, step};
    ForkPlan rounded = exact;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        if (i == fixedRow)
            continue;
        const mpz_class units(mpq_class(exact.stakes[i] / step)); // truncates: stakes are not negative
        rounded.stakes[i] = units * step;
        const mpq_class a = exact.stakes[i] - rounded.stakes[i];
        if (a == 0)
            continue;
        r.below += a;
        r.movable.push_back({i, legs[i].odds * a, legs[i].odds * (step - a)});
    }
    std::stable_sort(r.movable.begin(), r.movable.end(),
                     [](const Movable& x, const Movable& y) { return x.downTerm > y.downTerm; });

    // Without a fixed row the total may not grow: m s <= A.
    const std::size_t most = fixedRow ? r.movable.size() : std::size_t(mpz_class(r.below / step).get_ui());
    mpq_class floor = bestWorst(r, 0);
    for (std::size_t m = 1; m <= most; ++m)
        floor = std::max(floor, bestWorst(r, m));
    floor = std::min(floor, mpq_class(0));

    std::optional<std::vector<bool>> bestUps;
    std::size_t bestM = 0;
    mpq_class best;
    for (std::size_t m = 0; m <= most; ++m) {
        const auto ups = upsAbove(r, m, floor);
        if (!ups)
            continue;
        const mpq_class shortfall = largestShortfall(r, m, *ups);
        if (!bestUps || shortfall < best)
            best = shortfall, bestUps = ups, bestM = m;
    }
    for (std::size_t j = 0; j < r.movable.size(); ++j)
        if ((*bestUps)[j])
            rounded.stakes[r.movable[j].row] += step;
    rounded.total = exact.total - r.below + bestM * step;
    return rounded;
}

} // namespace zoret
