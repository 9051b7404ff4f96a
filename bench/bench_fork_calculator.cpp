// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork_calculator_captions.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

namespace {

// Twenty outcomes as typed, each under its own commission, every fourth not
// sharing: the most the window holds, with long denominators throughout.
std::vector<zoret::ForkRowEntry> twentyOutcomes(bool fixed)
{
    static const char* odds[] = {"21.5", "23,75", "25.1", "27.35", "29.6", "31.85", "34.1", "36.35", "38.6", "40.85",
                                 "43.1", "45.35", "47.6", "49.85", "52.1", "54.35", "56.6", "58.85", "61.1", "63.35"};
    std::vector<zoret::ForkRowEntry> rows;
    for (int i = 0; i < 20; ++i)
        rows.push_back({odds[i], i % 3 == 0 ? "2,5" : "", i % 4 != 3, fixed && i == 7, fixed && i == 7 ? "37.5" : ""});
    return rows;
}

// The argument is the rounding step in hundredths, 0 for none; the second
// whether the eighth row is fixed.
void forkCalculatorOfTwenty(benchmark::State& state)
{
    const auto rows = twentyOutcomes(state.range(1) != 0);
    const auto step = state.range(0) == 0 ? std::nullopt : std::optional<mpq_class>(mpq_class(state.range(0)) / 100);
    for (auto _ : state) {
        auto shown = zoret::forkCalculatorCaptions(rows, "1000", step);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(forkCalculatorOfTwenty)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
