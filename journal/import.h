// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bank_movement.h"
#include "core/journal_bet.h"
#include "journal/journal_store.h"
#include "journal/sqlite.h"

#include <optional>
#include <span>
#include <string>

// What an import adds: what the journal does not hold yet.
namespace zoret::journal {

// Adds the bets and movements (each without a refusal) that are not in the
// journal already (the same duplicateKey; a file's own repeats are all
// added), inside the caller's transaction, and counts both kinds. Returns
// why not, as the user is told, when a statement failed or a stored
// movement does not read.
std::optional<std::string> addNew(Connection& connection, std::span<const JournalBet> bets,
                                  std::span<const BankMovement> movements, Imported& imported);

} // namespace zoret::journal
