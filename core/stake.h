// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number.h"

#include <functional>

// The bet equation win = stake x coefficient, solved for whichever value the
// user asks for. With the whole system ticked, stakes and wins are sums over
// all its accumulators.
namespace zoret {

enum class StakeMode { Win, Coefficient, Stake };

// The working values of one calculation, and its answer.
struct StakeFigures {
    double win = 0;
    double coefficient = 0;
    double stake = 0;
    double result = 0;
};

// What the calculation ends in: an answer, or the input the user must give.
enum class StakeVerdict { Answer, AskStake, AskCoefficient, AskSystem };

struct StakeSolution {
    StakeVerdict verdict = StakeVerdict::Answer;
    // Kept by the window when the verdict is Answer, AskStake or
    // AskCoefficient; AskSystem keeps the previous figures.
    StakeFigures figures;
};

// Reads the two values a mode works from (win mode: coefficient, stake;
// coefficient mode: win, stake; stake mode: coefficient, win), in that order,
// and leaves the third at 0. Called at most once, and not at all when win
// mode has no system to spread the stake over.
using StakeReader = std::function<StakeFigures(StakeMode)>;

// `accumulators` is the count of the last evaluated system, 0 for none.
// Raises Overflow when a product or a quotient leaves the double range.
StakeSolution solveStake(StakeMode mode, bool systemTicked, Single accumulators, const StakeReader& read);

} // namespace zoret
