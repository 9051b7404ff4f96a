// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/lex_maximin.h"

#include "core/exact_simplex.h"

#include <algorithm>

namespace zoret {

namespace {

using Vector = std::vector<mpq_class>;

// Linearly independent vectors in reduced row echelon form.
struct Echelon {
    std::vector<Vector> rows;
    std::vector<std::size_t> pivots;

    // Whether `v` is independent of those kept; kept then.
    bool add(Vector v)
    {
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (const mpq_class f = v[pivots[r]]; sgn(f) != 0)
                for (std::size_t j = 0; j < v.size(); ++j)
                    v[j] -= f * rows[r][j];
        const auto p =
            std::size_t(std::find_if(v.begin(), v.end(), [](const mpq_class& x) { return sgn(x) != 0; }) - v.begin());
        if (p == v.size())
            return false;
        const mpq_class lead = v[p];
        for (auto& x : v)
            x /= lead;
        for (auto& row : rows)
            if (const mpq_class f = row[p]; sgn(f) != 0)
                for (std::size_t j = 0; j < v.size(); ++j)
                    row[j] -= f * v[j];
        rows.push_back(std::move(v));
        pivots.push_back(p);
        return true;
    }
};

Vector unit(std::size_t n, std::size_t i)
{
    Vector e(n, 0);
    e[i] = 1;
    return e;
}

// A known value of a·y: a column fixed at its level, or a row's own weight.
struct Equality {
    Vector a;
    mpq_class value;
};

// Over the weights with every equality kept: with `open` columns, the
// largest w that they all reach (columns n + 1 on are their slacks); without,
// the largest weight of row `favoured`.
std::optional<LinearSolution> stage(std::size_t n, const std::vector<Equality>& kept,
                                    const std::vector<const Vector*>& open, std::size_t favoured)
{
    LinearProgram lp;
    const std::size_t width = n + 1 + open.size();
    lp.cost.assign(width, 0);
    lp.cost[open.empty() ? favoured : n] = 1;
    const auto addRow = [&](const Vector& a, const mpq_class& bound, std::optional<std::size_t> slack) {
        Vector row(width, 0);
        std::copy(a.begin(), a.end(), row.begin());
        lp.rows.push_back(std::move(row)), lp.bounds.push_back(bound), lp.slack.push_back(slack);
    };
    addRow(Vector(n, 1), 1, std::nullopt);
    for (const auto& e : kept)
        addRow(e.a, e.value, std::nullopt);
    for (std::size_t k = 0; k < open.size(); ++k) { // w - a·y + s = 0
        Vector a(n);
        std::transform(open[k]->begin(), open[k]->end(), a.begin(), [](const mpq_class& x) { return mpq_class(-x); });
        addRow(a, 0, n + 1 + k);
        lp.rows.back()[n] = 1, lp.rows.back()[n + 1 + k] = 1;
    }
    return solveLinearProgram(lp);
}

} // namespace

// Level by level: the least of the columns not yet fixed is raised as far as
// the fixed ones allow; a column with a positive dual price stays at that
// level in every best split, so it is fixed there, and a row with a negative
// reduced cost gets nothing in every best split, so its weight is fixed at 0.
// Once these equalities (with the weights' sum) pin the weights down, the
// rest follows; columns alike are one. Weights still free after every column
// is fixed go to the earlier rows first.
std::vector<mpq_class> lexMaximin(const std::vector<std::vector<mpq_class>>& gains)
{
    const std::size_t n = gains.size();
    std::vector<Vector> columns;
    for (std::size_t j = 0; j < gains.front().size(); ++j) {
        Vector c;
        for (const auto& row : gains)
            c.push_back(row[j]);
        if (std::find(columns.begin(), columns.end(), c) == columns.end())
            columns.push_back(std::move(c));
    }
    Echelon pinned;
    pinned.add(Vector(n, 1));
    std::vector<Equality> kept;
    std::vector<bool> fixed(columns.size(), false);
    Vector y(n, 0);
    y[0] = 1;
    for (;;) {
        std::vector<const Vector*> open;
        std::vector<std::size_t> openIndex;
        for (std::size_t k = 0; k < columns.size(); ++k)
            if (!fixed[k])
                open.push_back(&columns[k]), openIndex.push_back(k);
        if (open.empty() || pinned.rows.size() == n)
            break;
        const auto solved = stage(n, kept, open, 0);
        y.assign(solved->x.begin(), solved->x.begin() + long(n));
        const std::size_t firstOpenRow = 1 + kept.size();
        for (std::size_t k = 0; k < open.size(); ++k)
            if (sgn(solved->duals[firstOpenRow + k]) > 0) {
                fixed[openIndex[k]] = true;
                if (pinned.add(*open[k]))
                    kept.push_back({*open[k], solved->value});
            }
        for (std::size_t i = 0; i < n; ++i) // a row left out of every best split
            if (sgn(solved->reducedCosts[i]) < 0 && pinned.add(unit(n, i)))
                kept.push_back({unit(n, i), 0});
    }
    for (std::size_t i = 0; i < n && pinned.rows.size() < n; ++i) {
        const auto solved = stage(n, kept, {}, i);
        y.assign(solved->x.begin(), solved->x.begin() + long(n));
        if (pinned.add(unit(n, i)))
            kept.push_back({unit(n, i), solved->value});
    }
    return y;
}

} // namespace zoret
