// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/match_model_captions.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// What the match model window recomputes on every key: the fit, the three
// tables and the value check. The argument picks the entry: 0 the 1X2 and a
// half-line total, 1 a quarter-line total with Shin's method, 2 the 1X2
// alone, 3 expected goals typed, 4 a high-scoring match (a larger grid),
// 5 odds that no model gives (the fit gives up).
zoret::MatchModelEntry entry(long which)
{
    zoret::MatchModelEntry e;
    e.home = "2.05", e.draw = "3.50", e.away = "3.75", e.over = "1.95", e.under = "1.90";
    e.market = zoret::Market::Handicap1, e.line = "-0.75", e.offered = "2.60";
    if (which == 1)
        e.totalLine = "2.25", e.over = "1.80", e.under = "2.05", e.method = zoret::MarginMethod::Shin;
    if (which == 2)
        e.over = e.under = "";
    if (which == 3)
        e.home = e.draw = e.away = e.over = e.under = "", e.lambda1 = "1.5", e.lambda2 = "1.1";
    if (which == 4)
        e.home = "1.74", e.draw = "5.71", e.away = "3.32", e.totalLine = "5.5", e.over = "1.95", e.under = "1.86";
    if (which == 5)
        e.home = "2", e.draw = "40", e.away = "2", e.over = e.under = "";
    return e;
}

void matchModelRecompute(benchmark::State& state)
{
    const auto e = entry(state.range(0));
    for (auto _ : state) {
        auto shown = zoret::matchModelCaptions(e);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(matchModelRecompute)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace
