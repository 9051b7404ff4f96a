// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/line_payoff.h"

#include <gmpxx.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts of the fork on handicaps and totals: what the user typed, ticked
// and picked in, every figure and message the window shows out.
namespace zoret {

// One bet as typed. Numbers take a decimal comma or point.
struct LineForkRowEntry {
    Market market = Market::Home;
    std::string lineText{}; // a multiple of 0.25, not negative for totals; read only for markets with a line
    std::string oddsText{}; // above 1
    std::string commissionText{}; // percent of the net winnings, 0 to below 100; blank is 0
    bool lay = false;
    bool fixed = false; // at most one row; its stake decides the sum
    std::string stakeText{}; // read only when fixed: above 0, blank waits for one
};

// Money with two decimals; empty while there is nothing to show.
struct LineForkRowCaptions {
    std::string stake; // rounded when a step is chosen
    std::string exactStake; // before rounding: what a row newly fixed takes as its stake
    std::string liability; // of a lay: its stake times (odds - 1)
};

// One class of final scores that pays alike.
struct LineForkOutcomeCaptions {
    std::string caption; // "Победа 1 с разницей 2+"
    std::string payout;
    std::string result; // the payout less the money put up
    std::string probability; // "12.34 %" with expected goals, else empty
    bool wins = false;
};

struct LineForkCaptions {
    std::vector<LineForkRowCaptions> rows;
    std::vector<LineForkOutcomeCaptions> outcomes;
    std::string total; // the money put up
    std::string profit; // the least result, or "least – most"
    std::string verdict; // "Вилка +1.61 %", "Не вилка: в худшем случае -18.87"
    std::string expected; // "Матожидание +1.20 (1.20 %)" with expected goals
    std::string rho; // "ρ: -0.0900", the correction the probabilities use
    std::string note; // a bad number, a fixed row the split leaves out, what rounding costs
};

// A model's expected goals as the window's box shows them: twelve significant
// digits, read back within 1e-11 of the model's own.
std::string expectedGoalsText(double lambda);

// Everything the window shows for its rows, the sum typed (not read while a
// row is fixed), the rounding step (none, or positive) and the expected goals
// of the home and the away side (both in (0, 20], or blank) with the
// correction of low scores `rho` of the model they came from (0 for goals
// typed). Throws
// std::invalid_argument for fewer than 2 or more than 10 rows, more than one
// fixed row or a step that is not positive.
LineForkCaptions lineForkCaptions(std::span<const LineForkRowEntry> rows, std::string_view sumText,
                                  const std::optional<mpq_class>& step, std::string_view homeGoalsText,
                                  std::string_view awayGoalsText, double rho = 0);

} // namespace zoret
