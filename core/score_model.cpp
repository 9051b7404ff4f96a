// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/score_model.h"

#include <cmath>

namespace zoret {

namespace {

// A bound for expected goals outside the model's range (the caller's fault).
constexpr std::size_t maxGoals = 1000;

// Poisson probabilities of 0, 1, 2, ... goals until the tail left is below
// `tail`. The tail is bounded by the terms, not by 1 less their sum, which
// rounding can keep above a bound this small for ever: past the mean each
// term is at most λ/(k + 2) times the one before, so what follows term k is
// at most p(k + 1) / (1 − λ/(k + 2)).
std::vector<double> poisson(double lambda, double tail)
{
    std::vector<double> p{std::exp(-lambda)};
    for (;;) {
        const double k = double(p.size() - 1), next = p.back() * lambda / (k + 1);
        if ((k + 2 > lambda && next / (1 - lambda / (k + 2)) < tail) || p.size() >= maxGoals)
            return p;
        p.push_back(next);
    }
}

double lowScoreCorrection(const ScoreModel& m, long h, long a)
{
    if (h == 0 && a == 0)
        return 1 - m.lambda1 * m.lambda2 * m.rho;
    if (h == 0 && a == 1)
        return 1 + m.lambda1 * m.rho;
    if (h == 1 && a == 0)
        return 1 + m.lambda2 * m.rho;
    if (h == 1 && a == 1)
        return 1 - m.rho;
    return 1;
}

} // namespace

// Each side's tail below half the bound leaves less than the bound outside
// the grid; the correction moves no probability mass (it adds and takes
// the same amount among the four low scores).
std::vector<ScoreProbability> scoreProbabilities(const ScoreModel& model)
{
    const auto home = poisson(model.lambda1, 5e-16);
    const auto away = poisson(model.lambda2, 5e-16);
    std::vector<ScoreProbability> grid;
    grid.reserve(home.size() * away.size());
    for (std::size_t h = 0; h < home.size(); ++h)
        for (std::size_t a = 0; a < away.size(); ++a)
            grid.push_back({{long(h), long(a)}, home[h] * away[a] * lowScoreCorrection(model, long(h), long(a))});
    return grid;
}

} // namespace zoret
