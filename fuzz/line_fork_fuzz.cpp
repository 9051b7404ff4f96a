// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <vector>

namespace zoret::fuzz {

namespace {

// The solution of a square system, the right side as its last column;
// nothing when it is singular.
std::optional<std::vector<mpq_class>>
solved(std::vector<std::vector<mpq_class>> m) // square, last column the right side
{
    const std::size_t n = m.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        while (p < n && sgn(m[p][c]) == 0)
            ++p;
        if (p == n)
            return std::nullopt;
        std::swap(m[p], m[c]);
        for (std::size_t r = 0; r < n; ++r)
            if (r != c && sgn(m[r][c]) != 0) {
                const mpq_class f = m[r][c] / m[c][c];
                for (std::size_t k = c; k <= n; ++k)
                    m[r][k] -= f * m[c][k];
            }
    }
    std::vector<mpq_class> y;
    for (std::size_t r = 0; r < n; ++r)
        y.push_back(m[r][n] / m[r][r]);
    return y;
}

std::vector<mpq_class> vertexSplit(const std::vector<std::vector<mpq_class>>& gains) // gains[i][j]
{
    const std::size_t n = gains.size(), m = gains[0].size();
    std::vector<std::vector<mpq_class>> planes; // a·y = 0
    for (std::size_t i = 0; i < n; ++i)
        planes.emplace_back(n, 0), planes.back()[i] = 1;
    for (std::size_t j = 0; j < m; ++j)
        for (std::size_t k = j + 1; k < m; ++k) {
            std::vector<mpq_class> d;
            for (std::size_t i = 0; i < n; ++i)
                d.push_back(gains[i][j] - gains[i][k]);
            if (std::any_of(d.begin(), d.end(), [](const mpq_class& x) { return sgn(x) != 0; }))
                planes.push_back(d);
        }
    std::optional<std::pair<std::vector<mpq_class>, std::vector<mpq_class>>> best; // sorted results, weights
    std::vector<std::size_t> pick(n - 1);
    const auto consider = [&] {
        std::vector<std::vector<mpq_class>> system{std::vector<mpq_class>(n + 1, 1)};
        for (std::size_t p : pick)
            system.push_back(planes[p]), system.back().push_back(0);
        const auto y = solved(system);
        if (!y || std::any_of(y->begin(), y->end(), [](const mpq_class& x) { return sgn(x) < 0; }))
            return;
        std::vector<mpq_class> results(m, 0);
        for (std::size_t j = 0; j < m; ++j)
            for (std::size_t i = 0; i < n; ++i)
                results[j] += gains[i][j] * (*y)[i];
        std::sort(results.begin(), results.end());
        if (!best || results > best->first || (results == best->first && *y > best->second))
            best = {results, *y};
    };
    // Every n - 1 of the planes, in increasing order.
    for (std::size_t i = 0; i < n - 1; ++i)
        pick[i] = i;
    for (;;) {
        consider();
        std::size_t i = n - 1;
        while (i > 0 && pick[i - 1] == planes.size() - n + i)
            --i;
        if (i == 0)
            return best->second;
        ++pick[i - 1];
        for (std::size_t k = i; k < n - 1; ++k)
            pick[k] = pick[k - 1] + 1;
    }
}

void lineForkRounding(const std::vector<LineBet>& bets, const std::vector<ScoreClass>& classes,
                      const LineForkPlan& exact, const mpq_class& step, std::optional<std::size_t> fixedRow)
{
    const auto rounded = roundLineForkPlan(bets, classes, exact, step, fixedRow);
    const auto leastOf = [&](const std::vector<mpq_class>& stakes) -> mpq_class {
        const auto payouts = lineForkPayouts(bets, classes, stakes);
        return *std::min_element(payouts.begin(), payouts.end()) - lineForkOutlay(bets, stakes);
    };
    std::vector<mpq_class> low = exact.stakes;
    std::vector<std::size_t> movable;
    for (std::size_t i = 0; i < bets.size(); ++i) {
        if (i == fixedRow)
            continue;
        const mpq_class units = exact.stakes[i] / step;
        mpz_class down;
        mpz_fdiv_q(down.get_mpz_t(), units.get_num_mpz_t(), units.get_den_mpz_t());
        low[i] = down * step;
        check(rounded.stakes[i] == low[i] || (low[i] != exact.stakes[i] && rounded.stakes[i] == low[i] + step),
              "each stake down or up");
        if (low[i] != exact.stakes[i])
            movable.push_back(i);
    }
    check(rounded.outlay == lineForkOutlay(bets, rounded.stakes) && rounded.outlay <= exact.outlay,
          "the rounded outlay");
    std::optional<std::pair<mpq_class, mpq_class>> best; // least result, outlay
    for (std::uint32_t code = 0; code < 1u << movable.size(); ++code) {
        std::vector<mpq_class> stakes = low;
        for (std::size_t k = 0; k < movable.size(); ++k)
            stakes[movable[k]] += (code >> k & 1u) ? step : mpq_class(0);
        const mpq_class outlay = lineForkOutlay(bets, stakes);
        if (outlay > exact.outlay)
            continue;
        const mpq_class least = leastOf(stakes);
        if (!best || least > best->first || (least == best->first && outlay < best->second))
            best = {least, outlay};
    }
    check(leastOf(rounded.stakes) == best->first && rounded.outlay == best->second,
          "the best rounding, then the smaller outlay");
}

} // namespace

void lineFork(Input in)
{
    static const mpq_class steps[] = {mpq_class(1, 100), mpq_class(1, 10), 1, 5, 10, 50};
    const std::uint8_t flags = in.byte();
    std::vector<LineBet> bets(2 + in.byte() % 3);
    std::vector<MarketLine> lines;
    for (auto& bet : bets) {
        const Market market = allMarkets[in.byte() % allMarkets.size()];
        const long quarters = long(in.byte() % 25) - (marketIsTotal(market) ? 0 : 12);
        const mpq_class odds = 1 + mpq_class(1 + in.raw<std::uint16_t>() % 2000) / 100;
        const std::uint8_t marks = in.byte();
        bet = {{market, quarters}, odds, marks & 16 ? mpq_class(marks % 8) : mpq_class(0), (marks & 32) != 0};
        lines.push_back(bet.line);
    }
    const auto classes = scoreClasses(lines);
    for (long h = 0; h <= 10; ++h)
        for (long a = 0; a <= 10; ++a) {
            const auto holding = std::count_if(classes.begin(), classes.end(), [&](const ScoreClass& c) {
                return c.holds({h, a});
            });
            check(holding == 1, "every score in one class");
            const auto& c = *std::find_if(classes.begin(), classes.end(), [&](const ScoreClass& c) {
                return c.holds({h, a});
            });
            for (std::size_t i = 0; i < lines.size(); ++i)
                check(c.settlements[i] == settle(lines[i].market, lines[i].lineQuarters, {h, a}),
                      "a class settles as its scores");
        }
    std::vector<std::vector<mpq_class>> gains;
    for (std::size_t i = 0; i < bets.size(); ++i) {
        gains.emplace_back();
        for (const auto& c : classes)
            gains.back().push_back(returnPerStake(bets[i], c.settlements[i]) / outlayPerStake(bets[i]));
    }
    const auto plan = planLineFork(bets, classes, 1);
    if (classes.size() <= 7) { // the vertices grow as the cube of the pairs of classes
        const auto weights = vertexSplit(gains);
        for (std::size_t i = 0; i < bets.size(); ++i)
            check(plan.stakes[i] * outlayPerStake(bets[i]) == weights[i], "the split of every vertex");
    }
    const mpq_class amount = mpq_class(1 + in.raw<std::uint16_t>()) / 4;
    const auto fixedRow = flags & 8 ? std::optional<std::size_t>((flags >> 4) % bets.size()) : std::nullopt;
    const auto exact = fixedRow ? planLineForkAround(bets, classes, *fixedRow, amount)
                                : std::optional(planLineFork(bets, classes, amount));
    check(exact || sgn(plan.stakes[*fixedRow]) == 0, "a fixed row the split uses");
    if (exact)
        lineForkRounding(bets, classes, *exact, steps[flags % 6], fixedRow);
}

} // namespace zoret::fuzz
