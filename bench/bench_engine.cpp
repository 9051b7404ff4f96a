// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork.h"
#include "core/system_bet.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Twenty odds as the window hands them over, small enough that every size
// fits the single range.
const std::vector<std::string>& twentyEvents()
{
    static const std::vector<std::string> items{" 1.85", " 2.1",  " 1.5", " 3",    " 2.24", " 2.69", " 1.25",
                                                " 2.78", " 2.65", " 1.4", " 1.95", " 2.05", " 3.4",  " 1.72",
                                                " 2.5",  " 1.33", " 4.1", " 1.6",  " 2.9",  " 1.15"};
    return items;
}

void systemOfTwenty(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto result = zoret::evaluateSystem(twentyEvents(), size);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(systemOfTwenty)->Arg(2)->Arg(10)->Arg(19);

void forkSplit(benchmark::State& state)
{
    const zoret::ForkOdds odds{4, 4, 4.5f, 5};
    const zoret::CentredSet centred{true, true, true, false};
    const auto margin = zoret::forkMargin(4, odds);
    for (auto _ : state) {
        auto split = zoret::forkStakes(4, odds, 1000, margin, centred);
        benchmark::DoNotOptimize(split);
    }
}
BENCHMARK(forkSplit);

} // namespace
