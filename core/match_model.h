// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/score_model.h"

#include <optional>

// The score model that one bookmaker's margin-free 1X2 and main total
// imply: every other handicap and total is then priced from it.
namespace zoret {

// Expected goals the model takes: above 0, at most 20.
inline constexpr double largestLambda = 20;

// The open range of rho in which every corrected score keeps a probability
// above zero: 1 − λ1λ2ρ, 1 + λ1ρ, 1 + λ2ρ and 1 − ρ all positive.
struct RhoRange {
    double low = 0;
    double high = 0;
};
RhoRange allowedRho(double lambda1, double lambda2);

// Lambdas in (0, largestLambda] and rho inside its range.
bool isAllowedModel(const ScoreModel& model);

// The main total as the fit reads it: its line in quarters of a goal and the
// share of the stake on ТБ won per share won or lost, 1 / the fair price of
// ТБ (for a half line, P(ТБ)).
struct TotalTarget {
    long lineQuarters = 10;
    double overShare = 0.5;
};

// Margin-free probabilities of П1 and П2, and the main total if known.
struct MatchTargets {
    double home = 0;
    double away = 0;
    std::optional<TotalTarget> total;
};

// With the total, λ1, λ2 and ρ such that the model's P(П1), P(П2) and the
// share of ТБ equal the targets to 1e-12; without it, plain Poisson (ρ = 0)
// matching P(П1) and P(П2). Nothing when no allowed model does.
std::optional<ScoreModel> fitScoreModel(const MatchTargets& targets);

} // namespace zoret
