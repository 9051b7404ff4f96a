// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/outcome_rows.h"

#include <gmpxx.h>

#include <span>
#include <vector>

// A bookmaker's odds over the outcomes of one event imply probabilities 1/k
// that add up to more than 1; removing that margin gives fair probabilities.
// Those are not money: doubles are precise enough to find them. What is
// then shown of a stake is worked out exactly, so that typed odds and
// probabilities give their textbook cents.
namespace zoret {

// The solvers of the power and Shin methods give up after this many
// evaluations of the probabilities' sum; they need fewer than 100.
inline constexpr int maxSolverSteps = 200;

enum class MarginMethod { Multiplicative, Additive, Power, Shin };

struct FairProbabilities {
    // In the order of the odds. The additive method's may fall below zero:
    // they are kept as computed, for the caller to name.
    std::vector<double> probabilities;
    // The power method's exponent or Shin's z; 1 resp. 0 when nothing is
    // removed, 0 for the methods without one.
    double parameter = 0;
    int steps = 0; // evaluations of the sum the solver made
};

// The reciprocals' sum less 1.
mpq_class bookMargin(std::span<const mpq_class> odds);

// The fair probabilities of 2 to 20 finite odds above 1 under `method`;
// the implied probabilities 1/k themselves when their sum is 1 or less.
// Throws std::invalid_argument for any other odds.
FairProbabilities fairProbabilities(MarginMethod method, std::span<const double> odds);

// What a stake of 1 at `odds` wins on average: p·k − 1.
mpq_class expectedValue(const mpq_class& probability, const mpq_class& odds);

// The shares of the bank the Kelly criterion stakes on outcomes of one event
// bet together (they exclude each other), for probabilities p and odds k
// above 1 in the same order: by p·k from the largest, an outcome joins while
// p·k exceeds R = (1 - Σp)/(1 - Σ1/k) over those already in (and neither
// sum would reach past 1), and each one in gets p - R/k; the others 0. A single outcome with value gets
// (p·k - 1)/(k - 1).
std::vector<mpq_class> kellyFractions(std::span<const mpq_class> probabilities, std::span<const mpq_class> odds);

} // namespace zoret
