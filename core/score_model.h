// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/line_payoff.h"

#include <vector>

// The probability of each final score: home and away goals independent
// Poisson with means lambda1 and lambda2, low scores corrected by rho
// (rho = 0 is plain Poisson). A model, not money: doubles.
namespace zoret {

struct ScoreModel {
    double lambda1 = 0;
    double lambda2 = 0;
    double rho = 0;
};

struct ScoreProbability {
    Score score;
    double probability = 0;
};

// Every score up to where the probability left outside is below 1e-15,
// home goals then away goals ascending. The caller keeps lambdas in (0, 20]
// and rho where every corrected probability stays positive.
std::vector<ScoreProbability> scoreProbabilities(const ScoreModel& model);

} // namespace zoret
