// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number.h"

#include <array>
#include <optional>

// A fork (sure bet) over 2 to 4 outcomes: its margin, and how to split a
// sum so every outcome pays back at least the sum.
//
// Every named figure is a single; the expressions are evaluated in double in
// the order written and rounded once when stored, so the digits match what
// users have seen before.
namespace zoret {

using ForkOdds = std::array<Single, 4>; // k1..k4 at [0..3]
using CentredSet = std::array<bool, 4>; // outcome i centred at [i-1]

// The sum of the reciprocals of the first `outcomes` odds (2..4), written
// over the common denominator. Raises DivisionByZero/Overflow for zero odds.
// Throws std::invalid_argument for an outcome count outside 2..4.
Single forkMargin(int outcomes, const ForkOdds& odds);

// A margin strictly between 0 and 1 is a fork.
bool isFork(Single margin);

// The profit of an even split, in percent: 100 / margin - 100.
Single holePercent(Single margin);

struct ForkSplit {
    Single totalReturn = 0; // what an even split pays on any outcome
    std::array<Single, 4> stakes{};
    std::array<Single, 4> payouts{};
};

// Splits `sum` over the outcomes. With nothing centred (or everything) every
// outcome pays the same. Otherwise each uncentred outcome gets just enough to
// pay the sum back, and what is left goes to the centred outcomes so that
// they pay alike. Outcomes past `outcomes` get nothing.
ForkSplit forkStakes(int outcomes, const ForkOdds& odds, Single sum, Single margin, const CentredSet& centred);

// A sum split with the margin of the odds it is split over: nothing to
// split when they form no fork.
struct ForkSum {
    Single margin = 0;
    std::optional<ForkSplit> split;
};
ForkSum splitForkSum(int outcomes, const ForkOdds& odds, Single sum, const CentredSet& centred);

} // namespace zoret
