// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/fair_odds.h"
#include "core/line_payoff.h"
#include "core/score_model.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The texts of the match model window: one bookmaker's 1X2 and main total
// (or expected goals typed directly) in; the model, the fair odds of every
// handicap and total, the correct scores and a check of odds offered
// elsewhere out.
namespace zoret {

// Fair odds of a line that can only be refunded or lost.
inline constexpr std::string_view noPriceText = "—";

// The handicaps from -3 to +3 and the totals from 0.5 to 6, by a quarter.
inline constexpr long firstHandicapQuarters = -12, lastHandicapQuarters = 12;
inline constexpr long firstTotalQuarters = 2, lastTotalQuarters = 24;
// The correct scores shown one by one: 0 to 5 goals a side.
inline constexpr int shownGoals = 6;

struct MatchModelEntry {
    std::string home, draw, away; // the bookmaker's П1, Х, П2
    std::string totalLine = "2.5", over, under;
    MarginMethod method = MarginMethod::Multiplicative;
    std::string lambda1, lambda2; // read only while the three odds are blank
    Market market = Market::Home; // the value check
    std::string line, offered;
};

// A line and the fair odds of its two sides: Ф1(x) and Ф2(−x), or ТБ(x) and
// ТМ(x); three decimals or noPriceText.
struct LinePriceRow {
    std::string line, first, second;
};

// Everything empty but the note while there is no model.
struct MatchModelCaptions {
    std::optional<ScoreModel> model;
    std::string lambdas; // "λ: 1.555 – 1.093"
    std::string rho; // "ρ: -0.0900"
    std::string probabilities; // "П1 46.42 % · Х 25.77 % · П2 27.81 %"
    std::vector<LinePriceRow> handicaps, totals;
    std::array<std::array<std::string, shownGoals>, shownGoals> scores{}; // [home][away], percent
    std::string otherScore; // every score with more than five goals a side
    std::string bothScore; // "Обе забьют: да X / нет Y"
    std::string fair, ev, kelly; // the value check; ev per 100 staked
    std::string note; // one line per remark
};

// A line in quarters of a goal as a bettor writes it: "-0.75", "0", "+1",
// "2.5"; a plus only where `signedLine` (handicaps).
std::string lineText(long quarters, bool signedLine);

// Never throws.
MatchModelCaptions matchModelCaptions(const MatchModelEntry& entry);

} // namespace zoret
