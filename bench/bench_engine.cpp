// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fair_odds_captions.h"
#include "core/fork.h"
#include "core/settlement_captions.h"
#include "core/system_bet.h"

#include <benchmark/benchmark.h>

#include <random>
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

// Twenty events under many different marks, as a user clicking through the
// settlement window: each recomputation reads the texts, settles the bet and
// writes every label and what-if row. The argument is the system size; 0 is
// the accumulator. A quarter of the events are bankers when the size allows.
std::vector<std::vector<zoret::SlipEntry>> markedSlips(bool withBankers)
{
    std::mt19937 random(20);
    std::vector<std::vector<zoret::SlipEntry>> slips(256);
    for (auto& slip : slips)
        for (const auto& text : twentyEvents())
            slip.push_back({text, zoret::outcomeOrder[random() % 6], withBankers && random() % 4 == 0});
    return slips;
}

void settlementOfTwenty(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const bool withBankers = state.range(1) != 0;
    const auto slips = markedSlips(withBankers);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& slip = slips[next++ % slips.size()];
        int bankers = 0;
        for (const auto& entry : slip)
            bankers += entry.banker;
        const auto bets = zoret::offeredBets(static_cast<int>(slip.size()), bankers);
        const auto kept = zoret::keptBet(bets, zoret::Bet{zoret::BetKind::System, size});
        const zoret::Bet bet = size == 0 || kept != 0 ? bets[kept] : bets.back();
        auto shown = zoret::settlementCaptions(slip, bet, "1000", zoret::SumMode::WholeBet);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(settlementOfTwenty)
    ->Args({0, 0})
    ->Args({2, 0})
    ->Args({10, 0})
    ->Args({19, 0})
    ->Args({10, 1})
    ->Unit(benchmark::kMicrosecond);

// An accumulator of 5,000 events: all open, or with every third settled.
void settlementOfFiveThousand(benchmark::State& state)
{
    std::vector<zoret::SlipEntry> slip;
    for (int i = 0; i < 5000; ++i)
        slip.push_back({twentyEvents()[static_cast<std::size_t>(i % 20)],
                        state.range(0) != 0 && i % 3 == 0 ? zoret::Outcome::Won : zoret::Outcome::Open, false});
    for (auto _ : state) {
        auto shown = zoret::settlementCaptions(slip, zoret::Bet{}, "10", zoret::SumMode::PerLine);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(settlementOfFiveThousand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every text of the fair odds window for twenty outcomes, an own probability
// on every other row and a bank; the argument is the margin method, in the
// order of the window's list (the power and Shin methods solve for theirs).
void fairOddsOfTwenty(benchmark::State& state)
{
    std::vector<zoret::FairOddsEntry> entries;
    for (std::size_t i = 0; i < twentyEvents().size(); ++i)
        entries.push_back({twentyEvents()[i], i % 2 ? "" : "12,5"});
    const auto method = zoret::marginMethodOrder[state.range(0)];
    for (auto _ : state) {
        auto shown = zoret::fairOddsCaptions(method, entries, "1000", zoret::KellyShare::Half);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(fairOddsOfTwenty)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
