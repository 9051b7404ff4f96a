// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/score_classes.h"

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

// A fork or corridor across handicaps and totals, backed at bookmakers or
// laid on an exchange: the split of the money that leaves the least result
// over all final scores as large as possible, in exact numbers.
namespace zoret {

inline constexpr int minLineForkBets = 2;
inline constexpr int maxLineForkBets = 10;

struct LineBet {
    MarketLine line;
    mpq_class odds; // above 1
    mpq_class commissionPercent = 0; // of the net winnings, 0 to below 100
    bool lay = false; // laid at these odds; the stake is the backer's stake matched
};

// What the bet puts up per unit of stake: the stake itself, or for a lay its
// liability, odds - 1.
mpq_class outlayPerStake(const LineBet& bet);

// What comes back per unit of stake when the market settles so. A back bet
// wins at the odds less the commission on the winnings; a lay gets back its
// liability plus the backer's loss (less the commission when positive), or
// less the backer's winnings.
mpq_class returnPerStake(const LineBet& bet, LineSettlement settled);

struct LineForkPlan {
    std::vector<mpq_class> stakes;
    mpq_class outlay; // back stakes plus lay liabilities
};

mpq_class lineForkOutlay(std::span<const LineBet> bets, std::span<const mpq_class> stakes);

// What comes back in each class of scores.
std::vector<mpq_class> lineForkPayouts(std::span<const LineBet> bets, std::span<const ScoreClass> classes,
                                       std::span<const mpq_class> stakes);

// The split of `outlay` whose least result is largest, then the next-worst,
// and so on; of splits alike, the earlier row takes most. `classes` are those
// of the bets' lines.
LineForkPlan planLineFork(std::span<const LineBet> bets, std::span<const ScoreClass> classes, const mpq_class& outlay);

// That split scaled so that `fixedRow` stakes `stake`; nothing when it gives
// that row nothing.
std::optional<LineForkPlan> planLineForkAround(std::span<const LineBet> bets, std::span<const ScoreClass> classes,
                                               std::size_t fixedRow, const mpq_class& stake);

// Each stake but the fixed row's rounded down or up to a multiple of `step`,
// the outlay no more than the exact one: of those, the largest least result,
// ties to the smaller outlay.
LineForkPlan roundLineForkPlan(std::span<const LineBet> bets, std::span<const ScoreClass> classes,
                               const LineForkPlan& exact, const mpq_class& step, std::optional<std::size_t> fixedRow);

} // namespace zoret
