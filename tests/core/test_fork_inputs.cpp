// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork_inputs.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zoret {
namespace {

struct ReadingCase {
    const char* name;
    int outcomes;
    std::array<double, 4> typed;
    std::optional<int> firstMissing; // "Маржа" reads every box
    bool stakesGetOdds; // "Сумма" stops reading at the first missing price
    int stakeReads;
};

void PrintTo(const ReadingCase& c, std::ostream* os) { *os << c.name; }

constexpr ForkOdds kept{9, 9, 9, 9};

// The typed values, counting how many boxes a rule reads.
OddsReader counting(const ReadingCase& c, int& reads)
{
    return [&c, &reads](int outcome) {
        ++reads;
        return c.typed[static_cast<std::size_t>(outcome)];
    };
}

class TwoReadingRules : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(TwoReadingRules, Margin)
{
    const auto& c = GetParam();
    int reads = 0;
    const MarginOdds read = oddsForMargin(c.outcomes, kept, counting(c, reads));
    EXPECT_EQ(reads, c.outcomes);
    EXPECT_EQ(read.firstMissing, c.firstMissing);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(read.odds[i], i < std::size_t(c.outcomes) ? Single(c.typed[i]) : kept[i]) << "outcome " << i + 1;
}

TEST_P(TwoReadingRules, Stakes)
{
    const auto& c = GetParam();
    int reads = 0;
    const auto odds = oddsForStakes(c.outcomes, kept, counting(c, reads));
    EXPECT_EQ(odds.has_value(), c.stakesGetOdds);
    EXPECT_EQ(reads, c.stakeReads);
}

INSTANTIATE_TEST_SUITE_P(Boxes, TwoReadingRules,
                         ::testing::Values(ReadingCase{"AllPrices", 3, {2.5, 4.2, 6, 0}, std::nullopt, true, 3},
                                           ReadingCase{"NegativeIsNoPrice", 2, {2.1, -2.1, 0, 0}, 1, false, 2},
                                           ReadingCase{"FirstOfTwoMissing", 4, {4, 0, 4.5, 0}, 1, false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zoret
