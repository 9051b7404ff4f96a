// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/score_model.h"

#include <cmath>

namespace zoret {

namespace {

// Poisson probabilities of 0, 1, 2, ... goals until the tail left is below
// `tail`.
std::vector<double> poisson(double lambda, double tail)
{
    std::vector<double> p{std::exp(-lambda)};
    double sum = p[0];
    while (1 - sum >= tail && p.size() < 1000) {
        p.push_back(p.back() * lambda / double(p.size()));
        sum += p.back();
    }
    return p;
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
