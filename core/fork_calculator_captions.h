// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts of the fork calculator: what the user typed and ticked in, every
// figure and message the window shows out.
namespace zoret {

// One outcome as typed. Numbers take a decimal comma or point and at most 15
// digits besides leading zeros.
struct ForkRowEntry {
    std::string oddsText{}; // above 1
    std::string commissionText{}; // percent of the net winnings, 0 to below 100; blank is 0
    bool sharesProfit = true;
    bool fixed = false; // at most one row; its stake decides the total
    std::string stakeText{}; // read only when fixed: above 0, blank waits for one
};

// Money with two decimals; empty while there is nothing to show.
struct ForkRowCaptions {
    std::string stake; // rounded when a step is chosen
    std::string exactStake; // before rounding: what a row newly fixed takes as its stake
    std::string payout;
    std::string profit;
};

struct ForkCalculatorCaptions {
    std::vector<ForkRowCaptions> rows;
    std::string margin; // the sum of the reciprocals of the odds, "98.09 %"
    std::string fork; // "Вилка +1.95 %", "Не вилка -7.69 %"
    std::string total;
    std::string profit; // the least, or "least – most" when the outcomes differ
    std::string roi; // the least profit over the whole stake, "1.95 %"
    std::string note; // why nothing is shown, or what rounding costs
};

// Everything the window shows for its rows, the total typed (not read while
// a row is fixed) and the rounding step (none, or a positive amount such as
// 0.01, 1 or 50). Margin and fork need good odds and commissions only; the
// other figures are empty when a number is bad, missing, or the split cannot
// be made. Throws std::invalid_argument for fewer than 2 or more than 20 rows,
// more than one fixed row or a step that is not positive.
ForkCalculatorCaptions forkCalculatorCaptions(std::span<const ForkRowEntry> rows, std::string_view totalText,
                                              const std::optional<mpq_class>& step);

} // namespace zoret
