// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Settlement the slow way, shared by the tests and the fuzz target: every
// line listed as a mask of events, every way the open events can end tried.
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

inline mpq_class factor(const zoret::SlipEvent& event, bool wins)
{
    using enum zoret::Outcome;
    const auto outcome = event.outcome != Open ? event.outcome : wins ? Won : Lost;
    if (outcome == Won || outcome == HalfWon)
        return outcome == Won ? event.coefficient : (event.coefficient + 1) / 2;
    return outcome == Void ? mpq_class(1) : outcome == HalfLost ? mpq_class(1, 2) : mpq_class(0);
}

inline BruteForce bruteForce(std::span<const zoret::SlipEvent> events, zoret::Bet bet)
{
    const bool system = bet.kind == zoret::BetKind::System;
    std::uint32_t fixed = 0, open = 0, lost = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        fixed |= !system || events[i].banker ? 1u << i : 0;
        open |= events[i].outcome == zoret::Outcome::Open ? 1u << i : 0;
        lost |= events[i].outcome == zoret::Outcome::Lost ? 1u << i : 0;
    }
    // A system's line: `size` of the non-bankers with every banker.
    std::vector<std::uint32_t> lines;
    for (std::uint32_t mask = 0; mask < (1u << events.size()); ++mask)
        if ((mask & fixed) == fixed && std::popcount(mask & ~fixed) == (system ? bet.size : 0))
            lines.push_back(mask);
    BruteForce out{static_cast<long long>(lines.size()), 0, {}};
    for (const auto line : lines)
        out.linesWon += (line & (open | lost)) == 0;
    out.unitPayouts.resize(static_cast<std::size_t>(std::popcount(open)) + 1);
    std::vector<bool> seen(out.unitPayouts.size());
    for (std::uint32_t winners = 0; winners < (1u << events.size()); ++winners) {
        if (winners & ~open)
            continue;
        mpq_class payout = 0;
        for (const auto line : lines) {
            mpq_class product = 1;
            for (std::size_t i = 0; i < events.size(); ++i)
                if (line >> i & 1)
                    product *= factor(events[i], winners >> i & 1);
            payout += product;
        }
        const auto j = static_cast<std::size_t>(std::popcount(winners));
        auto& range = out.unitPayouts[j];
        range.least = seen[j] ? std::min(range.least, payout) : payout;
        range.most = seen[j] ? std::max(range.most, payout) : payout;
        seen[j] = true;
    }
    return out;
}

} // namespace oracle
