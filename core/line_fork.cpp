// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork.h"

#include "core/fork_calculator.h"
#include "core/lex_maximin.h"

#include <algorithm>
#include <bit>

namespace zoret {

namespace {

// What the backer of the market gets back per unit, at raw odds.
mpq_class backerReturn(const mpq_class& odds, LineSettlement settled)
{
    return (settled.wonHalves * odds + settled.refundedHalves()) / 2;
}

mpz_class lcm(const mpz_class& a, const mpz_class& b)
{
    mpz_class l;
    mpz_lcm(l.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return l;
}

mpz_class floorQuotient(const mpq_class& x)
{
    mpz_class q;
    mpz_fdiv_q(q.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
    return q;
}

} // namespace

mpq_class outlayPerStake(const LineBet& bet) { return bet.lay ? mpq_class(bet.odds - 1) : mpq_class(1); }

mpq_class returnPerStake(const LineBet& bet, LineSettlement settled)
{
    if (!bet.lay)
        return backerReturn(effectiveOdds(bet.odds, bet.commissionPercent), settled);
    const mpq_class r = backerReturn(bet.odds, settled);
    const mpq_class net = r <= 1 ? mpq_class((1 - r) * (1 - bet.commissionPercent / 100)) : mpq_class(1 - r);
    return bet.odds - 1 + net;
}

mpq_class lineForkOutlay(std::span<const LineBet> bets, std::span<const mpq_class> stakes)
{
    mpq_class outlay = 0;
    for (std::size_t i = 0; i < bets.size(); ++i)
        outlay += stakes[i] * outlayPerStake(bets[i]);
    return outlay;
}

std::vector<mpq_class> lineForkPayouts(std::span<const LineBet> bets, std::span<const ScoreClass> classes,
                                       std::span<const mpq_class> stakes)
{
    std::vector<mpq_class> payouts;
    for (const auto& c : classes) {
        mpq_class payout = 0;
        for (std::size_t i = 0; i < bets.size(); ++i)
            if (sgn(stakes[i]) != 0)
                payout += stakes[i] * returnPerStake(bets[i], c.settlements[i]);
        payouts.push_back(payout);
    }
    return payouts;
}

// In money put up rather than stakes, the split is a game against the score:
// row i brings back its return per stake over its outlay per stake.
LineForkPlan planLineFork(std::span<const LineBet> bets, std::span<const ScoreClass> classes, const mpq_class& outlay)
{
    std::vector<std::vector<mpq_class>> gains;
    for (std::size_t i = 0; i < bets.size(); ++i) {
        const mpq_class perUnit = outlayPerStake(bets[i]);
        gains.emplace_back();
        for (const auto& c : classes)
            gains.back().push_back(returnPerStake(bets[i], c.settlements[i]) / perUnit);
    }
    const auto weights = lexMaximin(gains);
    LineForkPlan plan{{}, outlay};
    for (std::size_t i = 0; i < bets.size(); ++i)
        plan.stakes.push_back(weights[i] * outlay / outlayPerStake(bets[i]));
    return plan;
}

std::optional<LineForkPlan> planLineForkAround(std::span<const LineBet> bets, std::span<const ScoreClass> classes,
                                               std::size_t fixedRow, const mpq_class& stake)
{
    LineForkPlan plan = planLineFork(bets, classes, 1);
    if (sgn(plan.stakes[fixedRow]) == 0)
        return std::nullopt;
    const mpq_class scale = stake / plan.stakes[fixedRow];
    for (auto& s : plan.stakes)
        s *= scale;
    plan.outlay = scale;
    return plan;
}

// Every choice of rounding each movable stake down or up, one stake changing
// at a time (a Gray code), in whole multiples of one common denominator so
// that each change is a few integer additions.
LineForkPlan roundLineForkPlan(std::span<const LineBet> bets, std::span<const ScoreClass> classes,
                               const LineForkPlan& exact, const mpq_class& step, std::optional<std::size_t> fixedRow)
{
    LineForkPlan low = exact;
    std::vector<std::size_t> movable;
    for (std::size_t i = 0; i < bets.size(); ++i) {
        if (i == fixedRow)
            continue;
        low.stakes[i] = floorQuotient(exact.stakes[i] / step) * step;
        if (low.stakes[i] != exact.stakes[i])
            movable.push_back(i);
    }
    low.outlay = lineForkOutlay(bets, low.stakes);
    // Results of the low choice, then per movable stake what its step up adds
    // to each result and to the outlay; the outlay last.
    std::vector<std::vector<mpq_class>> rows{lineForkPayouts(bets, classes, low.stakes)};
    for (auto& r : rows[0])
        r -= low.outlay;
    rows[0].push_back(low.outlay - exact.outlay);
    for (std::size_t i : movable) {
        const mpq_class up = step * outlayPerStake(bets[i]);
        rows.emplace_back();
        for (const auto& c : classes)
            rows.back().push_back(step * returnPerStake(bets[i], c.settlements[i]) - up);
        rows.back().push_back(up);
    }
    mpz_class denominator = 1;
    for (const auto& row : rows)
        for (const auto& x : row)
            denominator = lcm(denominator, x.get_den());
    std::vector<std::vector<mpz_class>> whole;
    for (const auto& row : rows) {
        whole.emplace_back();
        for (const auto& x : row)
            whole.back().push_back(mpz_class(x.get_num() * (denominator / x.get_den())));
    }
    std::vector<mpz_class> current = whole[0];
    const std::size_t m = classes.size();
    const auto least = [&] { return *std::min_element(current.begin(), current.begin() + long(m)); };
    mpz_class bestLeast = least(), bestExcess = current[m];
    std::uint32_t bestCode = 0, chosen = 0;
    for (std::uint32_t code = 1; code < 1u << movable.size(); ++code) {
        const auto flip = std::size_t(std::countr_zero(code));
        chosen ^= 1u << flip;
        const auto& delta = whole[1 + flip];
        for (std::size_t j = 0; j <= m; ++j)
            (chosen >> flip & 1u) ? current[j] += delta[j] : current[j] -= delta[j];
        if (sgn(current[m]) > 0)
            continue;
        const mpz_class l = least();
        if (l > bestLeast || (l == bestLeast && current[m] < bestExcess))
            bestLeast = l, bestExcess = current[m], bestCode = chosen;
    }
    for (std::size_t k = 0; k < movable.size(); ++k)
        if (bestCode >> k & 1u)
            low.stakes[movable[k]] += step;
    low.outlay = lineForkOutlay(bets, low.stakes);
    return low;
}

} // namespace zoret
