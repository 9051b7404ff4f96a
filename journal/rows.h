// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bank_movement.h"
#include "core/journal_bet.h"
#include "journal/sqlite.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A bet and its events as rows of the tables bets and events, and a
// movement as a row of movements, both ways.
namespace zoret::journal {

// Their columns in the order the functions below read them.
inline constexpr const char* selectBets =
    "SELECT id, placed_at, bookmaker, note, kind, system_size, sum_text, sum_mode FROM bets";
inline constexpr const char* selectEvents =
    "SELECT bet_id, coefficient, result, banker, description, closing FROM events";
inline constexpr const char* insertBet =
    "INSERT INTO bets (placed_at, bookmaker, note, kind, system_size, sum_text, sum_mode, settled, descriptions)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";
inline constexpr const char* updateBet =
    "UPDATE bets SET placed_at = ?1, bookmaker = ?2, note = ?3, kind = ?4, system_size = ?5, sum_text = ?6,"
    " sum_mode = ?7, settled = ?8, descriptions = ?9 WHERE id = ?10";
inline constexpr const char* insertEvent = "INSERT INTO events (bet_id, position, coefficient, result, banker,"
                                           " description, closing) VALUES (?, ?, ?, ?, ?, ?, ?)";
inline constexpr const char* selectMovements = "SELECT id, at, bookmaker, kind, amount, note FROM movements";
inline constexpr const char* insertMovement =
    "INSERT INTO movements (at, bookmaker, kind, amount, note) VALUES (?1, ?2, ?3, ?4, ?5)";

// The bet's columns, its settlement and its descriptions as parameters 1 to 9.
void bindBet(Statement& statement, const JournalBet& bet);
// The bet's events, in their order, under `id`; false when one failed.
bool insertEvents(Statement& statement, std::int64_t id, const JournalBet& bet);
// Each bet and its events, in one statement for each table; the ids in
// their order. Inside the caller's transaction; false when one failed.
bool insertBets(Connection& connection, std::span<const JournalBet> bets, std::vector<std::int64_t>& ids);
// Each movement, inside the caller's transaction; false when one failed.
bool insertMovements(Connection& connection, std::span<const BankMovement> movements, std::vector<std::int64_t>& ids);

// A row of selectBets without its events; false for a code this version
// does not know.
bool readBetRow(const Statement& row, JournalBet& bet);
// A row of selectEvents; false for a result this version does not know.
bool readEventRow(const Statement& row, JournalEvent& event);
// A row of selectMovements; false for a kind this version does not know.
bool readMovementRow(const Statement& row, BankMovement& movement);

struct MovementRows {
    std::vector<BankMovement> movements; // the newest first
    bool failed = false; // the connection's error says why
    std::optional<std::int64_t> unreadable; // a row this version cannot read as a movement
};
// Every movement, inside the caller's transaction.
MovementRows readMovements(Connection& connection);

} // namespace zoret::journal
