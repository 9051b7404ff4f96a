// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <span>
#include <vector>

// A bookmaker's odds over the outcomes of one event imply probabilities 1/k
// that add up to more than 1; removing that margin gives fair probabilities.
// Those are not money: doubles are precise enough to find them. What is
// then shown of a stake is worked out exactly, so that typed odds and
// probabilities give their textbook cents.
namespace zoret {

inline constexpr int minFairOutcomes = 2;
inline constexpr int maxFairOutcomes = 20;

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

// The share of the bank the Kelly criterion stakes at odds above 1:
// (p·k − 1)/(k − 1); not positive means no bet.
mpq_class kellyFraction(const mpq_class& probability, const mpq_class& odds);

} // namespace zoret
