// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the journal writes: each change in one transaction, whole or not at all.
#include "journal/journal_store.h"

#include "core/exact_decimal.h"
#include "journal/messages.h"
#include "journal/rows.h"

namespace zoret::journal {

std::optional<std::int64_t> JournalStore::add(const JournalBet& bet)
{
    const auto ids = addMany(std::span(&bet, 1));
    return ids ? std::optional(ids->front()) : std::nullopt;
}

std::optional<std::vector<std::int64_t>> JournalStore::addMany(std::span<const JournalBet> bets)
{
    if (!canWrite())
        return std::nullopt;
    for (const auto& bet : bets)
        if (auto refused = refusal(bet))
            return failed<std::vector<std::int64_t>>(std::move(*refused));
    const auto failure = [&] {
        return failed<std::vector<std::int64_t>>((bets.size() == 1 ? "Ставка не сохранена: " : "Ставки не сохранены: ")
                                                 + described(connection_->error()));
    };
    Transaction transaction(*connection_, true);
    if (!transaction.began())
        return failure();
    std::vector<std::int64_t> ids;
    ids.reserve(bets.size());
    if (!insertBets(*connection_, bets, ids) || !transaction.commit())
        return failure();
    return ids;
}

bool JournalStore::update(const JournalBet& bet)
{
    if (!canWrite())
        return false;
    if (auto refused = refusal(bet))
        return message_ = std::move(*refused), false;
    const auto failure = [&] { return message_ = "Ставка не сохранена: " + described(connection_->error()), false; };
    Transaction transaction(*connection_, true);
    if (!transaction.began())
        return failure();
    Statement change(*connection_, updateBet);
    bindBet(change, bet);
    change.bind(10, bet.id);
    if (!change.run())
        return failure();
    if (connection_->changes() != 1)
        return message_ = "Ставки " + countText(bet.id) + " в журнале нет", false;
    Statement clear(*connection_, "DELETE FROM events WHERE bet_id = ?1"), events(*connection_, insertEvent);
    clear.bind(1, bet.id);
    if (!clear.run() || !insertEvents(events, bet.id, bet))
        return failure();
    return transaction.commit() || failure();
}

bool JournalStore::remove(std::span<const std::int64_t> ids)
{
    return removeRows("DELETE FROM bets WHERE id = ?1", ids, "Ставки не удалены: ");
}

// `deletion` takes one id; all of them go, or none.
bool JournalStore::removeRows(const char* deletion, std::span<const std::int64_t> ids, const char* failure)
{
    if (!canWrite())
        return false;
    const auto undone = [&] { return message_ = failure + described(connection_->error()), false; };
    Transaction transaction(*connection_, true);
    if (!transaction.began())
        return undone();
    Statement removal(*connection_, deletion);
    for (const auto id : ids) {
        removal.bind(1, id);
        if (!removal.run())
            return undone();
    }
    return transaction.commit() || undone();
}

} // namespace zoret::journal
