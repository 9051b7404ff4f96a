// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/fair_odds.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts of the fair odds window: the bookmaker's odds and the user's own
// probabilities in, fair probabilities, expected values and Kelly stakes
// out. Percentages have two decimals, a point, a blank and "%", a plain
// minus sign and never "-0.00 %"; an expected value above zero has a plus.
namespace zoret {

inline constexpr std::string_view noBetText = "не ставить";

inline constexpr MarginMethod marginMethodOrder[] = {MarginMethod::Multiplicative, MarginMethod::Additive,
                                                     MarginMethod::Power, MarginMethod::Shin};

// "Пропорциональный", "Аддитивный", "Степенной", "Шина".
std::string marginMethodCaption(MarginMethod method);

// How much of the Kelly stake is placed: all of it, a half, a quarter or an
// eighth.
enum class KellyShare { Full = 1, Half = 2, Quarter = 4, Eighth = 8 };

inline constexpr KellyShare kellyShareOrder[] = {KellyShare::Full, KellyShare::Half, KellyShare::Quarter,
                                                 KellyShare::Eighth};

// "1", "1/2", "1/4", "1/8".
std::string kellyShareCaption(KellyShare share);

// One outcome as typed: the bookmaker's odds and the user's own probability
// in percent, blank for the fair one.
struct FairOddsEntry {
    std::string oddsText;
    std::string probabilityText;
};

struct FairOddsRow {
    std::string implied; // 1/k in percent
    std::string fair; // in percent
    std::string fairOdds; // 1/p with two decimals; empty for p not above 0
    std::string ev; // "+20.00 %", "-5.00 %"
    std::string kelly; // the share of the bank to stake in percent, or noBetText
    std::string stake; // money; empty without a bank or with noBetText
};

// Every row empty when some odds cannot be used; EV, Kelly and stake empty
// on a row whose own probability is bad. `note` has one line per remark.
struct FairOddsCaptions {
    std::vector<FairOddsRow> rows;
    std::string margin;
    std::string note;
};

// Odds are typed with a comma or a point and must be above 1; own
// probabilities lie in 0..100; the bank, blank for no stakes, is above 0.
// Any of them with more than 15 digits is refused. Never throws.
FairOddsCaptions fairOddsCaptions(MarginMethod method, std::span<const FairOddsEntry> entries,
                                  std::string_view bankText, KellyShare share);

} // namespace zoret
