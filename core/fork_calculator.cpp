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
    mpq_class down; // the exact profit less k a: the result when down, before D
    mpq_class up; // the exact profit plus k b
};

struct Rounding {
    std::vector<Movable> movable; // by down shortfall, largest first
    std::vector<std::size_t> byDown; // the movable by result when down, smallest first
    std::optional<mpq_class> unmoved; // the least exact profit of an outcome whose stake stays
    mpq_class below; // A
    mpq_class step;
    mpq_class shift(std::size_t m) const { return m * step - below; } // D
};

// The largest worst result of any choice of m ups, before D: up the m
// outcomes that are worst off when down.
mpq_class bestWorst(const Rounding& r, std::size_t m)
{
    std::optional<mpq_class> worst = r.unmoved;
    const auto lower = [&](const mpq_class& x) {
        if (!worst || x < *worst)
            worst = x;
    };
    for (std::size_t j = 0; j < m; ++j)
        lower(r.movable[r.byDown[j]].up);
    if (m < r.byDown.size())
        lower(r.movable[r.byDown[m]].down);
    return *worst;
}

struct Choice {
    std::vector<bool> up; // by movable
    mpq_class shortfall; // the largest, before D
};

// The m ups that leave every outcome at least `floor` (before D) with the
// smallest largest shortfall; nothing when no m ups can.
std::optional<Choice> upsAbove(const Rounding& r, std::size_t m, const mpq_class& floor)
{
    if (r.unmoved && *r.unmoved < floor)
        return std::nullopt;
    Choice choice{std::vector<bool>(r.movable.size(), false), 0};
    std::size_t used = 0;
    for (std::size_t j : r.byDown) {
        if (r.movable[j].down >= floor)
            break;
        if (r.movable[j].up < floor)
            return std::nullopt;
        choice.up[j] = true, ++used;
    }
    for (std::size_t j = 0; j < r.movable.size() && used < m; ++j)
        if (!choice.up[j])
            choice.up[j] = true, ++used;
    if (used != m)
        return std::nullopt;
    // Down shortfalls exceed every other; without one, the largest is an
    // unmoved outcome's (0) or the up with the smallest k b.
    std::optional<mpq_class> largest = r.unmoved ? std::optional<mpq_class>(0) : std::nullopt;
    for (std::size_t j = 0; j < r.movable.size(); ++j) {
        const mpq_class own = choice.up[j] ? mpq_class(-r.movable[j].upTerm) : r.movable[j].downTerm;
        if (!largest || own > *largest)
            largest = own;
        if (!choice.up[j])
            break; // the first down has the largest k a
    }
    choice.shortfall = largest.value_or(0);
    return choice;
}

} // namespace

ForkPlan roundForkPlan(std::span<const ForkLeg> legs, const ForkPlan& exact, const mpq_class& step,
                       std::optional<std::size_t> fixedRow)
{
    const auto profits = forkProfits(legs, exact);
    Rounding r{{}, {}, std::nullopt, 0, step};
    ForkPlan rounded = exact;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        const mpz_class units(mpq_class(exact.stakes[i] / step)); // truncates: stakes are not negative
        const mpq_class a = i == fixedRow ? mpq_class(0) : exact.stakes[i] - units * step;
        if (a == 0) {
            if (!r.unmoved || profits[i] < *r.unmoved)
                r.unmoved = profits[i];
            continue;
        }
        rounded.stakes[i] = units * step;
        r.below += a;
        const mpq_class downTerm = legs[i].odds * a, upTerm = legs[i].odds * (step - a);
        r.movable.push_back({i, downTerm, upTerm, profits[i] - downTerm, profits[i] + upTerm});
    }
    std::stable_sort(r.movable.begin(), r.movable.end(),
                     [](const Movable& x, const Movable& y) { return x.downTerm > y.downTerm; });
    for (std::size_t j = 0; j < r.movable.size(); ++j)
        r.byDown.push_back(j);
    std::stable_sort(r.byDown.begin(), r.byDown.end(),
                     [&](std::size_t x, std::size_t y) { return r.movable[x].down < r.movable[y].down; });

    // Without a fixed row the total may not grow: m s <= A.
    const std::size_t most = fixedRow ? r.movable.size() : std::size_t(mpz_class(r.below / step).get_ui());
    // The least result allowed: nothing lost where some choice loses nowhere.
    mpq_class floor = bestWorst(r, 0) - r.shift(0);
    for (std::size_t m = 1; m <= most; ++m)
        floor = std::max(floor, mpq_class(bestWorst(r, m) - r.shift(m)));
    floor = std::min(floor, mpq_class(0));

    std::optional<Choice> best;
    std::size_t bestM = 0;
    for (std::size_t m = 0; m <= most; ++m) {
        auto choice = upsAbove(r, m, floor + r.shift(m));
        if (choice && (!best || choice->shortfall + r.shift(m) < best->shortfall + r.shift(bestM)))
            best = std::move(choice), bestM = m;
    }
    for (std::size_t j = 0; j < r.movable.size(); ++j)
        if (best->up[j])
            rounded.stakes[r.movable[j].row] += step;
    rounded.total = exact.total - r.below + bestM * step;
    return rounded;
}

} // namespace zoret
