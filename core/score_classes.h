// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/line_payoff.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The final scores split into the few classes in which a set of bets all
// settle alike: scores are unbounded, the classes are finite, the last ones
// open-ended ("Победа 1 с разницей 2+").
namespace zoret {

struct MarketLine {
    Market market = Market::Home;
    long lineQuarters = 0; // ignored by the results of the match
};

// Whole numbers from lo to hi; a bound left out is open.
struct ValueRange {
    std::optional<long> lo, hi;
    bool holds(long value) const { return (!lo || value >= *lo) && (!hi || value <= *hi); }
};

struct ScoreClass {
    Score example; // one score of the class
    std::string caption; // "Победа 1 с разницей 2+, тотал 3+", "Ничья", "Любой счёт"
    std::vector<LineSettlement> settlements; // of each bet, in the order given
    // The scores it holds: the home side's margin, the total, the goals of
    // each side within these.
    ValueRange margin, total, homeGoals, awayGoals;
    bool holds(Score s) const
    {
        return margin.holds(s.home - s.away) && total.holds(s.home + s.away) && homeGoals.holds(s.home)
               && awayGoals.holds(s.away);
    }
};

// Every class, none empty, none overlapping, together every score; ordered by
// the home side's margin from high to low, then the total, then the goals of
// the home side and of the away side, each from high to low.
std::vector<ScoreClass> scoreClasses(std::span<const MarketLine> bets);

} // namespace zoret
