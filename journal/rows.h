// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_bet.h"
#include "journal/sqlite.h"

#include <cstdint>

// A bet and its events as rows of the tables bets and events, both ways.
namespace zoret::journal {

// Their columns in the order the functions below read them.
inline constexpr const char* selectBets =
    "SELECT id, placed_at, bookmaker, note, kind, system_size, sum_text, sum_mode FROM bets";
inline constexpr const char* selectEvents = "SELECT bet_id, coefficient, result, banker, description FROM events";
inline constexpr const char* insertBet = "INSERT INTO bets (placed_at, bookmaker, note, kind, system_size, sum_text, "
                                         "sum_mode, settled) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)";
inline constexpr const char* updateBet = "UPDATE bets SET placed_at = ?1, bookmaker = ?2, note = ?3, kind = ?4,"
                                         " system_size = ?5, sum_text = ?6, sum_mode = ?7, settled = ?8 WHERE id = ?9";
inline constexpr const char* insertEvent =
    "INSERT INTO events (bet_id, position, coefficient, result, banker, description) VALUES (?, ?, ?, ?, ?, ?)";

// The bet's columns and its settlement as parameters 1 to 8.
void bindBet(Statement& statement, const JournalBet& bet);
// The bet's events, in their order, under `id`; false when one failed.
bool insertEvents(Statement& statement, std::int64_t id, const JournalBet& bet);

// A row of selectBets without its events; false for a code this version
// does not know.
bool readBetRow(const Statement& row, JournalBet& bet);
// A row of selectEvents; false for a result this version does not know.
bool readEventRow(const Statement& row, JournalEvent& event);

} // namespace zoret::journal
