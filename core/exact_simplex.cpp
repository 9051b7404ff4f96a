// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_simplex.h"

namespace zoret {

namespace {

mpz_class lcm(const mpz_class& a, const mpz_class& b)
{
    mpz_class l;
    mpz_lcm(l.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return l;
}

// The smallest whole multiple of a row of fractions.
mpz_class commonDenominator(const std::vector<mpq_class>& row)
{
    mpz_class l = 1;
    for (const auto& x : row)
        l = lcm(l, x.get_den());
    return l;
}

// The tableau in whole numbers over one common denominator, the determinant
// of the basis (integer pivoting): every entry a minor of the first tableau,
// so the numbers stay small and no fraction is ever reduced. Each row ends in
// its bound; the objective row holds the reduced costs and, last, minus the
// objective's value, all times the denominator.
struct Tableau {
    std::vector<std::vector<mpz_class>> rows;
    std::vector<mpz_class> reduced;
    std::vector<std::size_t> basis;
    mpz_class denominator = 1;
    std::size_t enterable = 0; // columns from here on never enter

    void pivot(std::size_t r, std::size_t s)
    {
        if (sgn(rows[r][s]) < 0) // only when a temporary column leaves at zero
            for (auto& x : rows[r])
                x = -x;
        const std::vector<mpz_class>& row = rows[r];
        const mpz_class p = row[s];
        const bool whole = denominator == 1;
        // other = (other p - other[s] row) / denominator, zeros skipped.
        const auto eliminate = [&](std::vector<mpz_class>& other) {
            const mpz_class f = other[s];
            for (std::size_t j = 0; j < other.size(); ++j) {
                mpz_ptr x = other[j].get_mpz_t();
                const bool moves = sgn(f) != 0 && sgn(row[j]) != 0;
                if (!moves && sgn(other[j]) == 0)
                    continue;
                mpz_mul(x, x, p.get_mpz_t());
                if (moves)
                    mpz_submul(x, f.get_mpz_t(), row[j].get_mpz_t());
                if (!whole)
                    mpz_divexact(x, x, denominator.get_mpz_t());
            }
        };
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (i != r)
                eliminate(rows[i]);
        eliminate(reduced);
        denominator = p;
        basis[r] = s;
    }

    // The column that improves fastest enters (Dantzig's rule), which may
    // cycle on a degenerate program; after as many pivots as the tableau has
    // rows and columns the first column that improves (Bland's rule, which
    // never cycles). Of the rows that bound it most the one whose
    // basic column comes first leaves.
    bool optimise()
    {
        const std::size_t patience = rows.size() + rows.front().size();
        for (std::size_t pivots = 0;; ++pivots) {
            const bool bland = pivots >= patience;
            std::size_t s = enterable;
            for (std::size_t j = 0; j < enterable; ++j)
                if (sgn(reduced[j]) > 0 && (s == enterable || (!bland && reduced[j] > reduced[s]))) {
                    s = j;
                    if (bland)
                        break;
                }
            if (s == enterable)
                return true;
            std::optional<std::size_t> r;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (sgn(rows[i][s]) <= 0)
                    continue;
                const int c =
                    r ? cmp(mpz_class(rows[i].back() * rows[*r][s]), mpz_class(rows[*r].back() * rows[i][s])) : -1;
                if (c < 0 || (c == 0 && basis[i] < basis[*r]))
                    r = i;
            }
            if (!r)
                return false;
            pivot(*r, s);
        }
    }

    // Reduced costs of whole `cost` for the current basis, times the
    // denominator.
    void price(const std::vector<mpz_class>& cost)
    {
        reduced.assign(rows.front().size(), 0);
        for (std::size_t j = 0; j < cost.size(); ++j)
            reduced[j] = cost[j] * denominator;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (const mpz_class c = cost[basis[i]]; sgn(c) != 0)
                for (std::size_t j = 0; j < rows[i].size(); ++j)
                    reduced[j] -= c * rows[i][j];
    }
};

} // namespace

// Each row is scaled to whole numbers (which scales its dual price back),
// with its starting column a unit again. Phase one minimises the temporary
// columns, phase two the program's own cost with them barred from entering.
std::optional<LinearSolution> solveLinearProgram(const LinearProgram& program)
{
    const std::size_t n = program.cost.size(), m = program.rows.size();
    std::size_t extra = 0;
    for (const auto& s : program.slack)
        extra += !s;
    Tableau t;
    std::vector<mpz_class> phaseOne(n + extra, 0), scales;
    std::vector<std::size_t> column(m);
    for (std::size_t i = 0, a = n; i < m; ++i) {
        std::vector<mpq_class> fractions = program.rows[i];
        fractions.push_back(program.bounds[i]);
        scales.push_back(commonDenominator(fractions));
        std::vector<mpz_class> row(n + extra + 1);
        for (std::size_t j = 0; j < n; ++j)
            row[j] = fractions[j].get_num() * (scales[i] / fractions[j].get_den());
        row.back() = fractions.back().get_num() * (scales[i] / fractions.back().get_den());
        column[i] = program.slack[i] ? *program.slack[i] : a++;
        row[column[i]] = 1;
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
    const mpz_class costScale = commonDenominator(program.cost);
    std::vector<mpz_class> cost(n + extra, 0);
    for (std::size_t j = 0; j < n; ++j)
        cost[j] = program.cost[j].get_num() * (costScale / program.cost[j].get_den());
    t.enterable = n;
    t.price(cost);
    if (!t.optimise())
        return std::nullopt;
    const mpq_class whole(t.denominator * costScale);
    LinearSolution solution{std::vector<mpq_class>(n, 0), mpq_class(-t.reduced.back()) / whole, {}, {}};
    for (std::size_t i = 0; i < m; ++i)
        if (t.basis[i] < n)
            solution.x[t.basis[i]] = mpq_class(t.rows[i].back()) / t.denominator;
    for (std::size_t j = 0; j < n; ++j)
        solution.reducedCosts.push_back(mpq_class(t.reduced[j]) / whole);
    for (std::size_t i = 0; i < m; ++i)
        solution.duals.push_back(mpq_class(cost[column[i]] * t.denominator - t.reduced[column[i]]) * scales[i] / whole);
    return solution;
}

} // namespace zoret
