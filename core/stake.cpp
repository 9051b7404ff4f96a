// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stake.h"

namespace zoret {

namespace {

StakeSolution win(bool systemTicked, Single accumulators, StakeFigures in)
{
    // The stake typed is for the whole system: each accumulator gets its share.
    if (systemTicked)
        in.stake = divide(in.stake, accumulators);
    in.result = checked(in.stake * in.coefficient);
    return {StakeVerdict::Answer, in};
}

StakeSolution coefficient(StakeFigures in)
{
    if (in.stake == 0)
        return {StakeVerdict::AskStake, in};
    in.result = divide(in.win, in.stake);
    return {StakeVerdict::Answer, in};
}

StakeSolution stake(bool systemTicked, Single accumulators, StakeFigures in)
{
    // Every accumulator must win the win typed, so the system wins it n times.
    if (systemTicked)
        in.win = checked(accumulators * in.win);
    if (in.coefficient == 0)
        return {StakeVerdict::AskCoefficient, in};
    if (systemTicked && accumulators == 0)
        return {StakeVerdict::AskSystem, {}};
    in.result = divide(in.win, in.coefficient);
    return {StakeVerdict::Answer, in};
}

} // namespace

StakeSolution solveStake(StakeMode mode, bool systemTicked, Single accumulators, const StakeReader& read)
{
    switch (mode) {
    case StakeMode::Win:
        // A whole-system sum needs the number of accumulators of an evaluated
        // system; without one there is nothing to spread the stake over.
        if (systemTicked && accumulators == 0)
            return {StakeVerdict::AskSystem, {}};
        return win(systemTicked, accumulators, read(mode));
    case StakeMode::Coefficient:
        return coefficient(read(mode));
    case StakeMode::Stake:
        break;
    }
    return stake(systemTicked, accumulators, read(mode));
}

} // namespace zoret
