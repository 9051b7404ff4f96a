// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

// How a bet on a match market settles at a final score: the one rule that
// the fork on lines and the match model both price with.
namespace zoret {

enum class Market {
    Home, // П1
    Draw, // Х
    Away, // П2
    HomeOrDraw, // 1Х
    HomeOrAway, // 12
    DrawOrAway, // Х2
    Handicap1, // Ф1(x)
    Handicap2, // Ф2(x)
    Over, // ТБ(x)
    Under, // ТМ(x)
    HomeOver, // ИТ1Б(x)
    HomeUnder, // ИТ1М(x)
    AwayOver, // ИТ2Б(x)
    AwayUnder, // ИТ2М(x)
};

inline constexpr std::array allMarkets{Market::Home,       Market::Draw,       Market::Away,      Market::HomeOrDraw,
                                       Market::HomeOrAway, Market::DrawOrAway, Market::Handicap1, Market::Handicap2,
                                       Market::Over,       Market::Under,      Market::HomeOver,  Market::HomeUnder,
                                       Market::AwayOver,   Market::AwayUnder};

// "П1", "Х", ..., "ИТ2М": the name a bettor reads.
std::string_view marketName(Market market);
std::optional<Market> marketNamed(std::string_view name);

// Handicaps and totals have a line; the six results of the match do not.
bool marketHasLine(Market market);
// A total (of the match or of one side) counts goals: its line is not negative.
bool marketIsTotal(Market market);

// The farthest line read, in goals either way.
inline constexpr long maxLineGoals = 1000;

// A line as typed for `market`, in quarters of a goal: a multiple of 0.25
// (with a decimal comma or point, a sign allowed), within maxLineGoals either
// way, not below 0 for a total. Nothing for anything else.
std::optional<long> readLine(Market market, std::string_view text);

// The final score, goals of the home side and of the away side.
struct Score {
    long home = 0;
    long away = 0;
};

// A bet settles in two halves of its stake, each of which wins (the half
// stake times the odds comes back), is refunded, or loses. A half or whole
// line settles both halves alike; a quarter line is one half on the line a
// quarter below and one on the line a quarter above.
struct LineSettlement {
    int wonHalves = 0;
    int lostHalves = 0;
    int refundedHalves() const { return 2 - wonHalves - lostHalves; }
    bool operator==(const LineSettlement&) const = default;
};

// The line is counted in quarters of a goal (Ф1(-0.75) is -3); markets
// without a line ignore it.
LineSettlement settle(Market market, long lineQuarters, Score score);

} // namespace zoret
