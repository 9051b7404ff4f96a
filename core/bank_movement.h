// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_row.h"
#include "core/journal_summary.h"

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Money put into or taken out of a bookmaker's account, and the balance it
// leaves with the bets placed there.
namespace zoret {

enum class MovementKind { Deposit, Withdrawal };

struct BankMovement {
    std::int64_t id = 0; // 0 until the journal stores it
    std::string at; // local wall-clock time "YYYY-MM-DD HH:MM:SS"
    std::string bookmaker;
    MovementKind kind = MovementKind::Deposit;
    std::string amountText; // as typed, a positive amount: "1000", "250,50"
    std::string note;
    bool operator==(const BankMovement&) const = default;
};

// "deposit", "withdrawal"; a code that is not one reads as nothing.
std::string_view movementKindCode(MovementKind kind);
// "Пополнение", "Вывод".
std::string_view movementKindCaption(MovementKind kind);
// A caption or a code.
std::optional<MovementKind> movementKindOf(std::string_view text);

// Why the journal cannot keep a movement, in Russian (a date that is not a
// real date and time, a text that is not UTF-8, an amount that is not a
// positive number), or nothing.
std::optional<std::string> movementProblem(const BankMovement& movement);

// The amount exactly, positive for a deposit and negative for a withdrawal;
// throws std::invalid_argument for a movement with a problem.
mpq_class signedAmount(const BankMovement& movement);

// Two movements are the same for an import when these are equal: the time,
// the bookmaker, the kind, the amount's value and the note.
std::string duplicateKey(const BankMovement& movement);

// Deposits less withdrawals, plus the settled profit of the bets, less the
// whole stakes of the open ones; only those of `bookmaker` when given.
mpq_class balance(std::span<const BankMovement> movements, std::span<const BetSummary> bets,
                  std::span<const BetFigures> figures, const std::optional<std::string>& bookmaker);

} // namespace zoret
