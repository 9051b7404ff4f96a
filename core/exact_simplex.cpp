// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_simplex.h"

namespace zoret {

namespace {

// The tableau: each row ends in its bound; the objective row holds the
// reduced costs and, last, minus the objective's value.
struct Tableau {
    std::vector<std::vector<mpq_class>> rows;
    std::vector<mpq_class> reduced;
    std::vector<std::size_t> basis;
    std::size_t enterable = 0; // columns from here on never enter

    std::size_t width() const { return rows.front().size() - 1; }

    void pivot(std::size_t r, std::size_t s)
    {
        std::vector<mpq_class>& row = rows[r];
        const mpq_class p = row[s];
        std::vector<std::size_t> nonzero;
        for (std::size_t j = 0; j < row.size(); ++j)
            if (sgn(row[j]) != 0)
                row[j] /= p, nonzero.push_back(j);
        const auto eliminate = [&](std::vector<mpq_class>& other) {
            if (sgn(other[s]) == 0)
                return;
            const mpq_class f = other[s];
            for (std::size_t j : nonzero)
                other[j] -= f * row[j];
        };
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (i != r)
                eliminate(rows[i]);
        eliminate(reduced);
        basis[r] = s;
    }

    // Bland's rule: the first column that improves enters, of the rows that
    // bound it most the one whose basic column comes first leaves.
    bool optimise()
    {
        for (;;) {
            std::size_t s = 0;
            while (s < enterable && sgn(reduced[s]) <= 0)
                ++s;
            if (s == enterable)
                return true;
            std::optional<std::size_t> r;
            mpq_class best;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (sgn(rows[i][s]) <= 0)
                    continue;
                const mpq_class ratio = rows[i].back() / rows[i][s];
                if (!r || ratio < best || (ratio == best && basis[i] < basis[*r]))
                    r = i, best = ratio;
            }
            if (!r)
                return false;
            pivot(*r, s);
        }
    }

    // Reduced costs of `cost` for the current basis.
    void price(const std::vector<mpq_class>& cost)
    {
        reduced = cost;
        reduced.resize(width() + 1);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (const mpq_class c = reduced[basis[i]]; sgn(c) != 0)
                for (std::size_t j = 0; j < rows[i].size(); ++j)
                    reduced[j] -= c * rows[i][j];
    }
};

} // namespace

// Phase one minimises the temporary columns, phase two the program's own
// cost with the temporary columns barred from entering.
std::optional<LinearSolution> solveLinearProgram(const LinearProgram& program)
{
    const std::size_t n = program.cost.size(), m = program.rows.size();
    std::size_t extra = 0;
    for (const auto& s : program.slack)
        extra += !s;
    Tableau t;
    t.reduced.assign(n + extra + 1, 0);
    std::vector<mpq_class> phaseOne(n + extra, 0);
    std::vector<std::size_t> column(m);
    for (std::size_t i = 0, a = n; i < m; ++i) {
        std::vector<mpq_class> row = program.rows[i];
        row.resize(n + extra + 1);
        column[i] = program.slack[i] ? *program.slack[i] : a++;
        row[column[i]] = 1;
        row.back() = program.bounds[i];
        t.rows.push_back(std::move(row));
        t.basis.push_back(column[i]);
        if (column[i] >= n)
            phaseOne[column[i]] = -1;
    }
    t.enterable = n + extra;
    if (extra > 0) {
        t.price(phaseOne);
        if (!t.optimise() || sgn(t.reduced.back()) != 0)
            return std::nullopt;
        for (std::size_t i = 0; i < m; ++i)
            for (std::size_t j = 0; j < n && t.basis[i] >= n; ++j)
                if (sgn(t.rows[i][j]) != 0)
                    t.pivot(i, j);
    }
    t.enterable = n;
    t.price(program.cost);
    if (!t.optimise())
        return std::nullopt;
    LinearSolution solution{std::vector<mpq_class>(n, 0), -t.reduced.back(), {}};
    for (std::size_t i = 0; i < m; ++i)
        if (t.basis[i] < n)
            solution.x[t.basis[i]] = t.rows[i].back();
    for (std::size_t i = 0; i < m; ++i)
        solution.duals.push_back((column[i] < n ? program.cost[column[i]] : 0) - t.reduced[column[i]]);
    return solution;
}

} // namespace zoret
