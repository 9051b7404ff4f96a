// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/match_model.h"

#include "core/line_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zoret {

namespace {

// The fit's unknowns: log λ1, log λ2 (which keeps them above zero) and,
// with a total, ρ. Two or three of them.
using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

constexpr double fitTolerance = 1e-12;
constexpr int maxNewtonSteps = 100;
constexpr int maxShortenedSteps = 8;
// Where the sums of the grid's rounding leave nothing more to gain.
constexpr double closeEnough = 1e-16;

struct Problem {
    MatchTargets targets;
    int size = 2;

    ScoreModel model(const Vector& x) const { return {std::exp(x[0]), std::exp(x[1]), size == 3 ? x[2] : 0.0}; }

    // The model's figures less the targets; nothing outside the allowed models.
    std::optional<Vector> residual(const Vector& x) const
    {
        const ScoreModel m = model(x);
        if (!isAllowedModel(m))
            return std::nullopt;
        const auto grid = scoreProbabilities(m);
        Vector r{lineShares(lineOutcomes(grid, Market::Home, 0)).won - targets.home,
                 lineShares(lineOutcomes(grid, Market::Away, 0)).won - targets.away, 0};
        if (size == 3) {
            const LineShares over = lineShares(lineOutcomes(grid, Market::Over, targets.total->lineQuarters));
            r[2] = over.won - targets.total->overShare * (over.won + over.lost);
        }
        return r;
    }
};

double squares(const Vector& r) { return r[0] * r[0] + r[1] * r[1] + r[2] * r[2]; }

double largest(const Vector& r) { return std::max({std::fabs(r[0]), std::fabs(r[1]), std::fabs(r[2])}); }

// Central differences, one-sided where a side leaves the allowed models
// (rho near its bounds). The Jacobian only steers the steps: its error slows
// Newton's convergence a little and never moves the root.
std::optional<Matrix> jacobian(const Problem& problem, const Vector& x, const Vector& r)
{
    constexpr double h = 1e-6;
    Matrix j{};
    for (int c = 0; c < problem.size; ++c) {
        Vector up = x, down = x;
        up[c] += h, down[c] -= h;
        const auto ru = problem.residual(up), rd = problem.residual(down);
        if (!ru && !rd)
            return std::nullopt;
        const Vector& high = ru ? *ru : r;
        const Vector& low = rd ? *rd : r;
        const double width = (ru ? h : 0) + (rd ? h : 0);
        for (int row = 0; row < problem.size; ++row)
            j[row][c] = (high[row] - low[row]) / width;
    }
    return j;
}

// a · step = −r by elimination with partial pivoting; nothing when singular.
std::optional<Vector> newtonStep(Matrix a, Vector r, int n)
{
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int row = c + 1; row < n; ++row)
            if (std::fabs(a[row][c]) > std::fabs(a[pivot][c]))
                pivot = row;
        if (!(std::fabs(a[pivot][c]) > 0))
            return std::nullopt;
        std::swap(a[c], a[pivot]), std::swap(r[c], r[pivot]);
        for (int row = c + 1; row < n; ++row) {
            const double factor = a[row][c] / a[c][c];
            for (int k = c; k < n; ++k)
                a[row][k] -= factor * a[c][k];
            r[row] -= factor * r[c];
        }
    }
    Vector step{};
    for (int row = n - 1; row >= 0; --row) {
        double sum = -r[row];
        for (int k = row + 1; k < n; ++k)
            sum -= a[row][k] * step[k];
        step[row] = sum / a[row][row];
    }
    return step;
}

// The safeguard: the step is halved until it stays among the allowed models
// and lowers the sum of squared residuals enough (Armijo), so each step
// makes progress and none diverges. Nothing when a thousandth of it does
// not.
struct Damped {
    Vector x, r;
    bool full = false; // Newton's whole step
};
std::optional<Damped> dampedStep(const Problem& problem, const Vector& x, const Vector& r, const Vector& step)
{
    const double now = squares(r);
    for (double t = 1; t >= 1.0 / 1024; t /= 2) {
        Vector trial = x;
        for (int c = 0; c < problem.size; ++c)
            trial[c] += t * step[c];
        const auto tr = problem.residual(trial);
        if (tr && squares(*tr) <= (1 - 1e-4 * t) * now)
            return Damped{trial, *tr, t == 1};
    }
    return std::nullopt;
}

// Newton's method from `x` until the residuals stop falling; `x` is left at
// the best point reached. Near a root Newton takes whole steps; a run of
// shortened ones is odds that no model gives, the iterate creeping towards
// the bound of the lambdas, where each step costs the most.
bool solve(const Problem& problem, Vector& x)
{
    auto r = problem.residual(x);
    if (!r)
        return false;
    int shortened = 0;
    for (int step = 0; step < maxNewtonSteps && largest(*r) > closeEnough && shortened < maxShortenedSteps; ++step) {
        const auto j = jacobian(problem, x, *r);
        const auto direction = j ? newtonStep(*j, *r, problem.size) : std::nullopt;
        const auto next = direction ? dampedStep(problem, x, *r, *direction) : std::nullopt;
        if (!next)
            break;
        x = next->x, *r = next->r;
        shortened = next->full ? 0 : shortened + 1;
    }
    return largest(*r) <= fitTolerance;
}

} // namespace

RhoRange allowedRho(double lambda1, double lambda2)
{
    return {std::max(-1 / lambda1, -1 / lambda2), std::min(1.0, 1 / (lambda1 * lambda2))};
}

bool isAllowedModel(const ScoreModel& m)
{
    const auto inRange = [](double lambda) { return lambda > 0 && lambda <= largestLambda; };
    if (!inRange(m.lambda1) || !inRange(m.lambda2))
        return false;
    const RhoRange rho = allowedRho(m.lambda1, m.lambda2);
    return m.rho > rho.low && m.rho < rho.high;
}

// Plain Poisson first, from even expected goals; with a total, ρ joins from
// there. Targets that are not probabilities (a margin method can give them)
// fit nothing.
std::optional<ScoreModel> fitScoreModel(const MatchTargets& targets)
{
    const auto probability = [](double p) { return p > 0 && p < 1; };
    if (!probability(targets.home) || !probability(targets.away) || !(targets.home + targets.away < 1))
        return std::nullopt;
    if (targets.total && !probability(targets.total->overShare))
        return std::nullopt;
    Problem problem{targets, 2};
    Vector x{std::log(1.3), std::log(1.3), 0};
    const bool plain = solve(problem, x);
    if (!targets.total)
        return plain ? std::optional(problem.model(x)) : std::nullopt;
    problem.size = 3;
    if (!solve(problem, x))
        return std::nullopt;
    return problem.model(x);
}

} // namespace zoret
