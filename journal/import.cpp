// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/import.h"

#include "journal/messages.h"
#include "journal/rows.h"

#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace zoret::journal {

namespace {

using Keys = std::unordered_set<std::string>;

// The keys of the stored bets placed at the times of `bets`: only those
// can be the same, and the index by placed time finds them at once.
bool storedBetKeys(Connection& connection, std::span<const JournalBet> bets, Keys& keys)
{
    std::set<std::string_view> times;
    for (const auto& bet : bets)
        times.insert(bet.placedAt);
    Statement betRows(connection, std::string(selectBets) + " WHERE placed_at = ?1");
    Statement eventRows(connection, std::string(selectEvents) + " WHERE bet_id = ?1 ORDER BY position");
    for (const auto time : times) {
        betRows.bind(1, time);
        while (betRows.step()) {
            JournalBet stored;
            bool known = readBetRow(betRows, stored);
            eventRows.bind(1, stored.id);
            for (JournalEvent event; eventRows.step(); stored.events.push_back(std::move(event)))
                known = readEventRow(eventRows, event) && known;
            eventRows.rewind();
            // A stored bet this version cannot read is the same as none.
            if (known && !betProblem(stored))
                keys.insert(duplicateKey(stored));
        }
        betRows.rewind();
    }
    return !betRows.failed() && !eventRows.failed();
}

// Those of `all` whose keys are not in `stored`, in their order.
template <class Item>
std::vector<Item> newOnes(std::span<const Item> all, const Keys& stored)
{
    std::vector<Item> kept;
    for (const auto& item : all)
        if (!stored.contains(duplicateKey(item)))
            kept.push_back(item);
    return kept;
}

} // namespace

std::optional<std::string> addNew(Connection& connection, std::span<const JournalBet> bets,
                                  std::span<const BankMovement> movements, Imported& imported)
{
    const auto failure = [&] { return "Ставки не сохранены: " + described(connection.error()); };
    Keys betKeys, movementKeys;
    if (!storedBetKeys(connection, bets, betKeys))
        return failure();
    const MovementRows stored = movements.empty() ? MovementRows{} : readMovements(connection);
    if (stored.unreadable)
        return unreadableMovement(*stored.unreadable);
    if (stored.failed)
        return failure();
    for (const auto& movement : stored.movements)
        movementKeys.insert(duplicateKey(movement));
    const auto newBets = newOnes(bets, betKeys);
    const auto newMovements = newOnes(movements, movementKeys);
    std::vector<std::int64_t> ids;
    if (!insertBets(connection, newBets, ids) || !insertMovements(connection, newMovements, ids))
        return failure();
    imported = {newBets.size(), bets.size() - newBets.size(), newMovements.size(),
                movements.size() - newMovements.size()};
    return std::nullopt;
}

} // namespace zoret::journal
