// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bank_movement.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"
#include "core/fraction_sum.h"
#include "core/utf8_text.h"

#include <stdexcept>

namespace zoret {

std::string_view movementKindCode(MovementKind kind)
{
    return kind == MovementKind::Deposit ? "deposit" : "withdrawal";
}

std::string_view movementKindCaption(MovementKind kind)
{
    return kind == MovementKind::Deposit ? "Пополнение" : "Вывод";
}

std::optional<MovementKind> movementKindOf(std::string_view text)
{
    for (const MovementKind kind : {MovementKind::Deposit, MovementKind::Withdrawal})
        if (text == movementKindCode(kind) || text == movementKindCaption(kind))
            return kind;
    return std::nullopt;
}

std::optional<std::string> movementProblem(const BankMovement& movement)
{
    if (!isDateTimeText(movement.at))
        return "Дата движения должна быть вида ГГГГ-ММ-ДД ЧЧ:ММ:СС";
    if (!isUtf8(movement.bookmaker) || !isUtf8(movement.note) || !isUtf8(movement.amountText))
        return "Текст не в кодировке UTF-8";
    const auto amount = readSum(movement.amountText);
    if (!amount || *amount <= 0)
        return "Сумма движения должна быть положительным числом";
    return std::nullopt;
}

mpq_class signedAmount(const BankMovement& movement)
{
    if (const auto problem = movementProblem(movement))
        throw std::invalid_argument(*problem);
    const mpq_class amount = *readSum(movement.amountText);
    return movement.kind == MovementKind::Deposit ? amount : mpq_class(-amount);
}

std::string duplicateKey(const BankMovement& movement)
{
    const auto amount = readSum(movement.amountText);
    // The time and the kind hold no line break; the bookmaker's length
    // keeps it apart from the note.
    return movement.at + '\n' + std::string(movementKindCode(movement.kind)) + ' '
           + (amount ? amount->get_str() : "?" + movement.amountText) + '\n' + countText(movement.bookmaker.size())
           + ' ' + movement.bookmaker + movement.note;
}

mpq_class balance(std::span<const BankMovement> movements, std::span<const BetSummary> bets,
                  std::span<const BetFigures> figures, const std::optional<std::string>& bookmaker)
{
    FractionSum sum;
    for (const auto& movement : movements)
        if (!bookmaker || movement.bookmaker == *bookmaker)
            sum.add(signedAmount(movement));
    for (std::size_t i = 0; i < bets.size(); ++i) {
        if (bookmaker && bets[i].bookmaker != *bookmaker)
            continue;
        const BetFigures& f = figures[i];
        if (f.settled())
            sum.add(f.profit.least);
        else
            sum.add(-f.stake);
    }
    return sum.total();
}

} // namespace zoret
