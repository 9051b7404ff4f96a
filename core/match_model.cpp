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
// A ρ near an end of its range, or tiny expected goals, is reached only by a
// long run of damped steps: eight of them gave up on models that exist.
constexpr int maxPoorSteps = 60;
constexpr double maxStep = 1;
// ρ's unknown may move this many times as far: its whole range lies within
// about ±30.
constexpr double rhoStepShare = 4;
// Where the sums of the grid's rounding leave nothing more to gain.
constexpr double closeEnough = 1e-16;

// Plain: λ1, λ2 (ρ = 0) to P(П1) and P(П2). Start: λ1, λ2 (ρ = 0) to the
// total and the share of П1 among the wins, which ρ barely moves: a start
// close to the full fit. Full: λ1, λ2 and ρ to P(П1), P(П2) and the total.
enum class Stage { Plain, Start, Full };

// ρ from the third unknown s, through the logistic function onto its open
// range: every s is an allowed ρ, so no Newton step is cut short by the
// range, which narrows as the lambdas grow.
double rhoOf(double lambda1, double lambda2, double s)
{
    const RhoRange range = allowedRho(lambda1, lambda2);
    return range.low + (range.high - range.low) / (1 + std::exp(-s));
}

double unknownOf(const ScoreModel& m)
{
    const RhoRange range = allowedRho(m.lambda1, m.lambda2);
    const double share = (m.rho - range.low) / (range.high - range.low);
    return std::log(share / (1 - share));
}

struct Problem {
    MatchTargets targets;
    Stage stage = Stage::Plain;

    int size() const { return stage == Stage::Full ? 3 : 2; }

    ScoreModel model(const Vector& x) const
    {
        const double l1 = std::exp(x[0]), l2 = std::exp(x[1]);
        return {l1, l2, stage == Stage::Full ? rhoOf(l1, l2, x[2]) : 0.0};
    }

    // The model's figures less the targets; nothing outside the allowed models.
    std::optional<Vector> residual(const Vector& x) const
    {
        const ScoreModel m = model(x);
        if (!isAllowedModel(m))
            return std::nullopt;
        const auto grid = scoreProbabilities(m);
        const double home = lineShares(lineOutcomes(grid, Market::Home, 0)).won;
        const double away = lineShares(lineOutcomes(grid, Market::Away, 0)).won;
        if (stage == Stage::Plain)
            return Vector{home - targets.home, away - targets.away, 0};
        const LineShares over = lineShares(lineOutcomes(grid, Market::Over, targets.total->lineQuarters));
        const double total = over.won - targets.total->overShare * (over.won + over.lost);
        if (stage == Stage::Start)
            return Vector{home / (home + away) - targets.home / (targets.home + targets.away), total, 0};
        return Vector{home - targets.home, away - targets.away, total};
    }
};

double squares(const Vector& r) { return r[0] * r[0] + r[1] * r[1] + r[2] * r[2]; }

double largest(const Vector& r) { return std::max({std::fabs(r[0]), std::fabs(r[1]), std::fabs(r[2])}); }

// Forward differences, backward where the step forward leaves the allowed
// models. The Jacobian only steers the steps: its error of about h slows
// Newton's convergence a little and never moves the root.
std::optional<Matrix> jacobian(const Problem& problem, const Vector& x, const Vector& r)
{
    constexpr double h = 1e-7;
    Matrix j{};
    for (int c = 0; c < problem.size(); ++c) {
        Vector moved = x;
        moved[c] += h;
        auto rm = problem.residual(moved);
        double width = h;
        if (!rm) {
            moved[c] = x[c] - h, width = -h;
            rm = problem.residual(moved);
        }
        if (!rm)
            return std::nullopt;
        for (int row = 0; row < problem.size(); ++row)
            j[row][c] = ((*rm)[row] - r[row]) / width;
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

// The safeguard: no unknown moves by more than maxStep at once (a lambda by
// a factor e; ρ's unknown, which flattens towards the ends of its range,
// by rhoStepShare times that, so it cannot leap to where nothing changes), and the step is halved until it
// stays among the allowed models and lowers the sum of squared residuals
// enough (Armijo), so each step makes progress and none diverges. Nothing
// when a thousandth of it does not.
struct Damped {
    Vector x, r;
    bool full = false; // not halved
};
std::optional<Damped> dampedStep(const Problem& problem, const Vector& x, const Vector& r, const Vector& step)
{
    const double now = squares(r),
                 longest = std::max({std::fabs(step[0]), std::fabs(step[1]), std::fabs(step[2]) / rhoStepShare});
    const double whole = std::min(1.0, maxStep / longest);
    for (double t = whole; t >= whole / 1024; t /= 2) {
        Vector trial = x;
        for (int c = 0; c < problem.size(); ++c)
            trial[c] += t * step[c];
        const auto tr = problem.residual(trial);
        if (tr && squares(*tr) <= (1 - 1e-4 * t) * now)
            return Damped{trial, *tr, t == whole};
    }
    return std::nullopt;
}

// Newton's method from `x` until the residuals stop falling; `x` is left at
// the best point reached. Near a root Newton takes whole steps that cut the
// residuals by far more than a tenth; a run of steps that had to be halved
// or gained less is odds that no model gives, the iterate creeping towards
// a bound of the lambdas or of rho, and is given up.
bool solve(const Problem& problem, Vector& x)
{
    auto r = problem.residual(x);
    if (!r)
        return false;
    int poor = 0;
    for (int step = 0; step < maxNewtonSteps && largest(*r) > closeEnough && poor < maxPoorSteps; ++step) {
        const auto j = jacobian(problem, x, *r);
        const auto direction = j ? newtonStep(*j, *r, problem.size()) : std::nullopt;
        const auto next = direction ? dampedStep(problem, x, *r, *direction) : std::nullopt;
        if (!next)
            break;
        poor = next->full && squares(next->r) < 0.9 * squares(*r) ? 0 : poor + 1;
        x = next->x, *r = next->r;
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

// With a total: the start, then the full fit; should that fail, the full
// fit from plain Poisson. Targets that are not probabilities (a margin
// method can give them) fit nothing.
std::optional<ScoreModel> fitScoreModel(const MatchTargets& targets)
{
    const auto probability = [](double p) { return p > 0 && p < 1; };
    if (!probability(targets.home) || !probability(targets.away) || !(targets.home + targets.away < 1))
        return std::nullopt;
    if (targets.total && !probability(targets.total->overShare))
        return std::nullopt;
    const Vector even{std::log(1.3), std::log(1.3), 0};
    // Expected goals near the total's line, shared out roughly as the wins.
    const double goals = targets.total ? std::max(0.5, double(targets.total->lineQuarters) / 4) : 0;
    const double homeShare = (targets.home + 0.1) / (targets.home + targets.away + 0.2);
    const Vector near{std::log(goals * homeShare), std::log(goals * (1 - homeShare)), 0};
    const auto fitted = [&](Stage stage, Vector x) -> std::optional<ScoreModel> {
        const Problem problem{targets, stage};
        return solve(problem, x) ? std::optional(problem.model(x)) : std::nullopt;
    };
    const auto full = [&](const ScoreModel& from) {
        return fitted(Stage::Full, {std::log(from.lambda1), std::log(from.lambda2), unknownOf(from)});
    };
    if (!targets.total)
        return fitted(Stage::Plain, even);
    const auto start = fitted(Stage::Start, near);
    const auto first = start ? full(*start) : std::nullopt;
    if (first)
        return first;
    const auto plain = fitted(Stage::Plain, even);
    return plain ? full(*plain) : std::nullopt;
}

} // namespace zoret
