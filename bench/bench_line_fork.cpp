// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork_captions.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

namespace {

using zoret::Market;

// Ten bets on the lines of one football match: quarter, half and whole
// handicaps and totals, the goals of each side, a draw and a lay, some under
// a commission.
const std::vector<zoret::LineForkRowEntry> football{
    {Market::Handicap1, "-0,25", "2.10"}, {Market::Handicap2, "+0.25", "2.00", "2"}, {Market::Over, "2.25", "2.15"},
    {Market::Under, "2", "2.05"},         {Market::Over, "2.5", "2.10", "1,5"},      {Market::Under, "3.5", "1.50"},
    {Market::Draw, "", "3.50"},           {Market::Away, "", "3.70", "5", true},     {Market::HomeOver, "1.5", "2.40"},
    {Market::AwayUnder, "0.75", "1.90"}};

// Ten bets on the lines of one basketball match: handicaps near five points,
// totals near 230, the winner backed and laid.
const std::vector<zoret::LineForkRowEntry> basketball{{Market::Handicap1, "-5.5", "1.91"},
                                                      {Market::Handicap2, "+6.5", "1.95"},
                                                      {Market::Handicap1, "-4,5", "2.00", "3"},
                                                      {Market::Handicap2, "+5", "1.87"},
                                                      {Market::Over, "229.5", "1.90"},
                                                      {Market::Under, "230.5", "1.92"},
                                                      {Market::Over, "231", "2.05"},
                                                      {Market::Under, "232.5", "1.80", "2"},
                                                      {Market::Home, "", "1.47", "5", true},
                                                      {Market::Away, "", "2.90"}};

// The argument is the rounding step in hundredths, 0 for none.
void recompute(benchmark::State& state, const std::vector<zoret::LineForkRowEntry>& rows)
{
    const auto step = state.range(0) == 0 ? std::nullopt : std::optional<mpq_class>(mpq_class(state.range(0)) / 100);
    for (auto _ : state) {
        auto shown = zoret::lineForkCaptions(rows, "1000", step, "1.45", "1,2");
        benchmark::DoNotOptimize(shown);
    }
}

void footballLines(benchmark::State& state) { recompute(state, football); }
void basketballLines(benchmark::State& state) { recompute(state, basketball); }

BENCHMARK(footballLines)->Arg(0)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(basketballLines)->Arg(0)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
