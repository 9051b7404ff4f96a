// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Settlement the slow way, for the tests and the fuzz target: every line
// listed as a set of events, every way the open events can end tried.
// Small slips only (2^events work twice over).

#include "core/settlement.h"

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace oracle {

struct BruteForce {
    long long lines = 0;
    long long linesWon = 0;
    std::vector<zoret::Range> unitPayouts; // per unit on each line, by the number of open winners
};

// Each line as a mask of events: every event of a single or an accumulator;
// each `size` of the non-bankers of a system, with every banker.
inline std::vector<std::uint32_t> lineMasks(std::span<const zoret::SlipEvent> events, zoret::Bet bet)
{
    const bool system = bet.kind == zoret::BetKind::System;
    std::uint32_t fixed = 0;
    for (std::size_t i = 0; i < events.size(); ++i)
        if (!system || events[i].banker)
            fixed |= 1u << i;
    std::vector<std::uint32_t> lines;
    for (std::uint32_t mask = 0; mask < (1u << events.size()); ++mask)
        if ((mask & fixed) == fixed && std::popcount(mask & ~fixed) == (system ? bet.size : 0))
            lines.push_back(mask);
    return lines;
}

inline zoret::Outcome endOf(const zoret::SlipEvent& event, bool wins)
{
    if (event.outcome != zoret::Outcome::Open)
        return event.outcome;
    return wins ? zoret::Outcome::Won : zoret::Outcome::Lost;
}

inline mpq_class factor(const mpq_class& c, zoret::Outcome outcome)
{
    using zoret::Outcome;
    if (outcome == Outcome::Won)
        return c;
    if (outcome == Outcome::Void)
        return 1;
    if (outcome == Outcome::HalfWon)
        return (c + 1) / 2;
    return outcome == Outcome::HalfLost ? mpq_class(1, 2) : mpq_class(0);
}

// `winners`: a mask over the events; only the open ones' bits count.
inline mpq_class unitPayout(std::span<const zoret::SlipEvent> events, std::span<const std::uint32_t> lines,
                            std::uint32_t winners)
{
    mpq_class total = 0;
    for (const auto line : lines) {
        mpq_class product = 1;
        for (std::size_t i = 0; i < events.size(); ++i)
            if (line & (1u << i))
                product *= factor(events[i].coefficient, endOf(events[i], (winners >> i) & 1));
        total += product;
    }
    return total;
}

inline BruteForce bruteForce(std::span<const zoret::SlipEvent> events, zoret::Bet bet)
{
    const auto lines = lineMasks(events, bet);
    BruteForce out{static_cast<long long>(lines.size()), 0, {}};
    std::uint32_t open = 0;
    std::uint32_t lost = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        open |= events[i].outcome == zoret::Outcome::Open ? 1u << i : 0;
        lost |= events[i].outcome == zoret::Outcome::Lost ? 1u << i : 0;
    }
    for (const auto line : lines)
        out.linesWon += (line & (open | lost)) == 0;
    out.unitPayouts.resize(static_cast<std::size_t>(std::popcount(open)) + 1);
    std::vector<bool> seen(out.unitPayouts.size());
    for (std::uint32_t winners = 0; winners < (1u << events.size()); ++winners) {
        if (winners & ~open)
            continue;
        const auto j = static_cast<std::size_t>(std::popcount(winners));
        const mpq_class payout = unitPayout(events, lines, winners);
        auto& range = out.unitPayouts[j];
        range.least = seen[j] ? std::min(range.least, payout) : payout;
        range.most = seen[j] ? std::max(range.most, payout) : payout;
        seen[j] = true;
    }
    return out;
}

} // namespace oracle
