// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fair_odds.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace zoret {

namespace {

constexpr double solverTolerance = 1e-12;

std::vector<double> reciprocals(std::span<const double> odds)
{
    if (odds.size() < std::size_t{minOutcomeRows} || odds.size() > std::size_t{maxOutcomeRows})
        throw std::invalid_argument("fair odds need 2 to 20 outcomes");
    std::vector<double> implied;
    implied.reserve(odds.size());
    for (const double k : odds) {
        if (!(k > 1) || !std::isfinite(k))
            throw std::invalid_argument("fair odds need finite odds above 1");
        implied.push_back(1 / k);
    }
    return implied;
}

double sum(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }

// Bisection of a parameter on which the probabilities' sum decreases, from a
// bracket with the sum above 1 at `lo` and at most 1 at `hi`; each halving
// keeps that, so the root stays inside. It stops at a width of 1e-12, taken
// relative to the parameter once that is above 1.
template <typename Sum>
double bisect(const Sum& sumAt, double lo, double hi, int& steps)
{
    while (hi - lo > solverTolerance * std::max(1.0, lo) && steps < maxSolverSteps) {
        const double mid = lo + (hi - lo) / 2;
        ++steps;
        (sumAt(mid) > 1 ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2;
}

// p = r^γ: every r is below 1, so each p falls as γ grows; at γ = 1 the sum
// is the reciprocals' S > 1, and it tends to 0. Doubling γ from 2 finds an
// end with the sum at most 1 within log2(γ) + 1 steps (γ stays below 2^56
// even for odds a bit above 1, where ln(1/r) is 2^-53), then about 40
// halvings reach the width.
FairProbabilities power(const std::vector<double>& implied)
{
    FairProbabilities fair;
    const auto sumAt = [&](double gamma) {
        double total = 0;
        for (const double r : implied)
            total += std::pow(r, gamma);
        return total;
    };
    double lo = 1, hi = 2;
    while (++fair.steps < maxSolverSteps && sumAt(hi) > 1)
        lo = hi, hi *= 2;
    fair.parameter = bisect(sumAt, lo, hi, fair.steps);
    for (const double r : implied)
        fair.probabilities.push_back(std::pow(r, fair.parameter));
    return fair;
}

// Shin's (√(z² + 4(1 − z)q) − z)/(2(1 − z)) with q = r²/S, times the
// conjugate over itself: 2q/(√(z² + 4(1 − z)q) + z) loses nothing to
// cancellation near z = 1 and holds at z = 1, where it is q.
double shinProbability(double q, double z) { return 2 * q / (std::sqrt(z * z + 4 * (1 - z) * q) + z); }

// p solves p² + z·p(1 − p) = q, whose left side grows with p and, for p in
// (0, 1), with z: each p falls as z grows. The sum is √S > 1 at z = 0 and
// Σr²/S < max r < 1 at z = 1, so [0, 1] brackets the root and 40 halvings
// reach the width.
FairProbabilities shin(const std::vector<double>& implied, double total)
{
    FairProbabilities fair;
    std::vector<double> q;
    for (const double r : implied)
        q.push_back(r * r / total);
    const auto sumAt = [&](double z) {
        double sum = 0;
        for (const double qi : q)
            sum += shinProbability(qi, z);
        return sum;
    };
    fair.parameter = bisect(sumAt, 0, 1, fair.steps);
    for (const double qi : q)
        fair.probabilities.push_back(shinProbability(qi, fair.parameter));
    return fair;
}

} // namespace

mpq_class bookMargin(std::span<const mpq_class> odds)
{
    mpq_class total = -1;
    for (const auto& k : odds)
        total += 1 / k;
    return total;
}

FairProbabilities fairProbabilities(MarginMethod method, std::span<const double> odds)
{
    const std::vector<double> implied = reciprocals(odds);
    const double total = sum(implied);
    if (total <= 1)
        return {implied, method == MarginMethod::Power ? 1.0 : 0.0, 0};
    FairProbabilities fair;
    switch (method) {
    case MarginMethod::Multiplicative:
        for (const double r : implied)
            fair.probabilities.push_back(r / total);
        return fair;
    case MarginMethod::Additive:
        for (const double r : implied)
            fair.probabilities.push_back(r + (1 - total) / static_cast<double>(implied.size()));
        return fair;
    case MarginMethod::Power:
        return power(implied);
    case MarginMethod::Shin:
        return shin(implied, total);
    }
    throw std::invalid_argument("no such margin method");
}

mpq_class expectedValue(const mpq_class& probability, const mpq_class& odds) { return probability * odds - 1; }

std::vector<mpq_class> kellyFractions(std::span<const mpq_class> probabilities, std::span<const mpq_class> odds)
{
    std::vector<std::size_t> order(odds.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto revenue = [&](std::size_t i) -> mpq_class { return probabilities[i] * odds[i]; };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) { return revenue(x) > revenue(y); });
    mpq_class reserve = 1; // R, nothing staked yet
    mpq_class probabilitiesIn = 0, reciprocalsIn = 0;
    std::size_t in = 0;
    // Once the odds of the outcomes in leave nothing to spare (1/k summing
    // to 1 or more) no further outcome can join, nor one that takes the
    // probabilities in past certainty: typed probabilities may add up to
    // more than 1, and R below 0 would stake more than the bank.
    const auto joins = [&](std::size_t i) {
        return revenue(i) > reserve && reciprocalsIn + 1 / odds[i] < 1 && probabilitiesIn + probabilities[i] <= 1;
    };
    for (; in < order.size() && joins(order[in]); ++in) {
        probabilitiesIn += probabilities[order[in]];
        reciprocalsIn += 1 / odds[order[in]];
        reserve = (1 - probabilitiesIn) / (1 - reciprocalsIn);
    }
    std::vector<mpq_class> fractions(odds.size());
    for (std::size_t j = 0; j < in; ++j)
        fractions[order[j]] = probabilities[order[j]] - reserve / odds[order[j]];
    return fractions;
}

} // namespace zoret
