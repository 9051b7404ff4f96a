// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The deposits and withdrawals: read, added and removed, each change in one
// transaction.
#include "journal/journal_store.h"

#include "journal/messages.h"
#include "journal/rows.h"

namespace zoret::journal {

std::optional<std::string> refusal(const BankMovement& movement)
{
    const auto problem = movementProblem(movement);
    return problem ? std::optional("Движение средств не сохранено: " + *problem) : std::nullopt;
}

std::optional<std::vector<BankMovement>> JournalStore::movements()
{
    if (!canRead())
        return std::nullopt;
    MovementRows rows;
    {
        Transaction reading(*connection_, false);
        if (!reading.began())
            return failed<std::vector<BankMovement>>("Журнал не читается: " + described(connection_->error()));
        rows = readMovements(*connection_);
    }
    if (rows.unreadable)
        return failed<std::vector<BankMovement>>(unreadableMovement(*rows.unreadable));
    if (rows.failed)
        return failed<std::vector<BankMovement>>("Журнал не читается: " + described(connection_->error()));
    return std::move(rows.movements);
}

std::optional<std::int64_t> JournalStore::addMovement(const BankMovement& movement)
{
    if (!canWrite())
        return std::nullopt;
    if (auto refused = refusal(movement))
        return failed<std::int64_t>(std::move(*refused));
    Transaction transaction(*connection_, true);
    std::vector<std::int64_t> ids;
    if (!transaction.began() || !insertMovements(*connection_, std::span(&movement, 1), ids) || !transaction.commit())
        return failed<std::int64_t>("Движение средств не сохранено: " + described(connection_->error()));
    return ids.front();
}

bool JournalStore::removeMovements(std::span<const std::int64_t> ids)
{
    return removeRows("DELETE FROM movements WHERE id = ?1", ids, "Движения средств не удалены: ");
}

} // namespace zoret::journal
