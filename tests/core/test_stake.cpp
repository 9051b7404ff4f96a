// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stake.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zoret {
namespace {

// Which check decides first, and what a stopped calculation keeps; the
// answers themselves are checked through the window.
struct StakeCase {
    const char* name;
    StakeMode mode;
    bool ticked;
    Single accumulators;
    StakeFigures typed;
    StakeVerdict verdict;
    StakeFigures kept;
    int reads;
};

void PrintTo(const StakeCase& c, std::ostream* os) { *os << c.name; }

class SolveStake : public ::testing::TestWithParam<StakeCase> {};

TEST_P(SolveStake, ChecksInOrder)
{
    const auto& c = GetParam();
    int reads = 0;
    const StakeSolution solution = solveStake(c.mode, c.ticked, c.accumulators, [&](StakeMode) {
        ++reads;
        return c.typed;
    });
    EXPECT_EQ(solution.verdict, c.verdict);
    EXPECT_EQ(solution.figures.win, c.kept.win);
    EXPECT_EQ(solution.figures.coefficient, c.kept.coefficient);
    EXPECT_EQ(solution.figures.stake, c.kept.stake);
    EXPECT_EQ(solution.figures.result, c.kept.result);
    EXPECT_EQ(reads, c.reads);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SolveStake,
    ::testing::Values(
        StakeCase{
            "WinWithoutSystemReadsNothing", StakeMode::Win, true, 0, {0, 2, 100, 0}, StakeVerdict::AskSystem, {}, 0},
        StakeCase{"StakeAsksForCoefficientBeforeSystem",
                  StakeMode::Stake,
                  true,
                  0,
                  {20, 0, 0, 0},
                  StakeVerdict::AskCoefficient,
                  {0, 0, 0, 0},
                  1},
        StakeCase{
            "StakeWithoutSystemKeepsNothing", StakeMode::Stake, true, 0, {20, 2, 0, 0}, StakeVerdict::AskSystem, {}, 1},
        StakeCase{"MissingStakeKeepsTheWinRead",
                  StakeMode::Coefficient,
                  true,
                  10,
                  {185, 0, 0, 0},
                  StakeVerdict::AskStake,
                  {185, 0, 0, 0},
                  1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zoret
