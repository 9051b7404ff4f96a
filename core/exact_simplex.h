// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <vector>

// A linear program in exact rationals, small and dense: the simplex method
// with Bland's rule, which never cycles.
namespace zoret {

// Maximise c·x subject to rows A x = b (b not negative) and x >= 0. A row may
// name a column that is a unit vector in it (a slack) to start the basis
// with; the other rows get a temporary column of their own.
struct LinearProgram {
    std::vector<std::vector<mpq_class>> rows; // A, every row as long as `cost`
    std::vector<mpq_class> bounds; // b
    std::vector<std::optional<std::size_t>> slack; // per row
    std::vector<mpq_class> cost; // c
};

struct LinearSolution {
    std::vector<mpq_class> x;
    mpq_class value;
    std::vector<mpq_class> duals; // per row: how much the optimum rises per unit of its bound
    // Per column: how much the optimum falls per unit of it, below zero only
    // when it is 0 in every optimum.
    std::vector<mpq_class> reducedCosts;
};

// Nothing when no x satisfies the rows or the optimum is unbounded.
std::optional<LinearSolution> solveLinearProgram(const LinearProgram& program);

} // namespace zoret
