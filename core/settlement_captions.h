// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settlement.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts of the settlement window: what its lists offer and what its
// result labels and what-if table show.
namespace zoret {

inline constexpr std::string_view enterSumText = "Впишите сумму ставки";
inline constexpr std::string_view coefficientBelowOneText = "Коэффициенты меньше 1 не рассчитываются";

// Every outcome in the order of the window's drop-down lists.
inline constexpr Outcome outcomeOrder[] = {Outcome::Open, Outcome::Won,     Outcome::Lost,
                                           Outcome::Void, Outcome::HalfWon, Outcome::HalfLost};

// "Ожидается", "Выигрыш", "Проигрыш", "Возврат", "Половина выигрыша",
// "Половина проигрыша".
std::string outcomeCaption(Outcome outcome);

// "Ординар", "Экспресс", or "Система m/k" with m the events that are not
// bankers ("Система 5/3" is 3 of 5).
std::string betCaption(Bet bet, int nonBankerCount);

// "X – Y" (an en dash between blanks), or the one amount when both show
// alike.
std::string rangeText(const Range& range);

// One event of the slip as the window holds it: the list's text and its
// marks.
struct SlipEntry {
    std::string coefficientText;
    Outcome outcome = Outcome::Open;
    bool banker = false;
};

struct WhatIfRow {
    std::string winners;
    std::string payoutLeast;
    std::string payoutMost;
    std::string profitLeast;
    std::string profitMost;
    bool breaksEven = false; // the least profit is not negative
};

// Empty texts and no rows while the sum is blank; only `payout` with a
// refusal for a coefficient below 1 or a sum that is not a positive number.
struct SettlementCaptions {
    std::string lines;
    std::string lineStake;
    std::string totalStake;
    std::string linesWon;
    std::string payout;
    std::string profit;
    std::vector<WhatIfRow> whatIf;
};

// Everything the window shows for a slip, a bet it offers, a sum text and
// how the sum is staked. Throws std::invalid_argument for a bet the slip
// does not offer.
SettlementCaptions settlementCaptions(std::span<const SlipEntry> slip, Bet bet, std::string_view sumText, SumMode mode);

} // namespace zoret
