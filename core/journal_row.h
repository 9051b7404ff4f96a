// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_bet.h"

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

// One bet as a row of the journal's table: the exact figures it is sorted
// and summed by, and the texts it shows.
namespace zoret {

enum class BetStatus {
    Open, // an event is still open
    Lost, // pays nothing
    Returned, // pays exactly the whole stake
    Won, // every line won and it pays more than the stake
    Partial // anything else
};

// "Ожидается", "Проигрыш", "Возврат", "Выигрыш", "Частично".
std::string_view statusCaption(BetStatus status);

struct BetFigures {
    BetStatus status = BetStatus::Open;
    // A single's or an accumulator's odds; a system's is the main window's
    // figure, the sum of its accumulators' coefficients.
    mpq_class coefficient;
    mpq_class stake; // the whole stake
    Range payout; // one amount once settled
    Range profit;
    // The closing-line value as a fraction (0.0769... for +7.69 %): the
    // product of the odds taken over the product of the closing odds, less
    // 1. Nothing for a system or while an event has no closing odds.
    std::optional<mpq_class> clv;
    bool settled() const { return status != BetStatus::Open; }
};

// Throws std::invalid_argument for a bet with a problem (betProblem).
BetFigures betFigures(const JournalBet& bet);

// What a table or a label shows for a figure there is none of.
inline constexpr std::string_view noFigureText = "—";

struct BetTexts {
    std::string date; // "2026-12-07 10:15"
    std::string bookmaker;
    std::string note;
    std::string bet; // "Ординар 1.85", "Экспресс из 3", "Система 5/3"
    std::string events; // the events' descriptions on one line, joined by "; "
    std::string eventsTip; // every description, one a line
    std::string coefficient;
    std::string stake;
    std::string status;
    std::string payout; // "X – Y" while open
    std::string profit;
    std::string clv; // "+7.69 %", or "—"
    std::string clvTip; // why "—": a system, or closing odds missing
};

BetTexts betTexts(const JournalBet& bet, const BetFigures& figures);

// A text on one line: each control character shown as its picture
// (U+2400 + c for c below 0x20, U+2421 for 0x7F).
std::string oneLineText(std::string_view text);

} // namespace zoret
