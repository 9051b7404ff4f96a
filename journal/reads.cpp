// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the journal reads: whole bets, one bet, their summaries, the bookmakers.
#include "journal/journal_store.h"

#include "core/exact_decimal.h"
#include "journal/messages.h"
#include "journal/rows.h"
#include "journal/summary_read.h"

#include <unordered_map>

namespace zoret::journal {

namespace {

const std::string notRead = "Журнал не читается: ";

} // namespace

std::optional<std::vector<JournalBet>> JournalStore::bets()
{
    if (!canRead())
        return std::nullopt;
    Transaction reading(*connection_, false);
    Statement betRows(*connection_, std::string(selectBets) + " ORDER BY placed_at DESC, id DESC");
    std::vector<JournalBet> bets;
    std::unordered_map<std::int64_t, std::size_t> positions;
    while (reading.began() && betRows.step()) {
        JournalBet bet;
        if (!readBetRow(betRows, bet))
            return failed<std::vector<JournalBet>>(unreadable(bet.id));
        positions.emplace(bet.id, bets.size());
        bets.push_back(std::move(bet));
    }
    if (!reading.began() || betRows.failed())
        return failed<std::vector<JournalBet>>(notRead + described(connection_->error()));
    Statement eventRows(*connection_, std::string(selectEvents) + " ORDER BY bet_id, position");
    for (JournalEvent event; eventRows.step();) {
        const auto at = positions.find(eventRows.integer(0));
        if (!readEventRow(eventRows, event) || at == positions.end())
            return failed<std::vector<JournalBet>>(unreadable(eventRows.integer(0)));
        bets[at->second].events.push_back(std::move(event));
    }
    if (eventRows.failed())
        return failed<std::vector<JournalBet>>(notRead + described(connection_->error()));
    for (const auto& bet : bets)
        if (betProblem(bet))
            return failed<std::vector<JournalBet>>(unreadable(bet.id));
    return bets;
}

std::optional<JournalSummaries> JournalStore::summaries(std::optional<int> newest)
{
    if (!canRead())
        return std::nullopt;
    SummaryRows rows;
    {
        Transaction reading(*connection_, false);
        if (!reading.began())
            return failed<JournalSummaries>(notRead + described(connection_->error()));
        rows = readSummaries(*connection_, newest);
    }
    if (rows.unreadable)
        return failed<JournalSummaries>(unreadable(*rows.unreadable));
    if (rows.failed && isDamage(connection_->error()))
        return fail(JournalState::Damaged, "Журнал повреждён: " + described(connection_->error())), std::nullopt;
    if (rows.failed)
        return failed<JournalSummaries>(notRead + described(connection_->error()));
    return std::move(rows.summaries);
}

std::optional<JournalBet> JournalStore::bet(std::int64_t id)
{
    if (!canRead())
        return std::nullopt;
    Transaction reading(*connection_, false);
    Statement betRow(*connection_, std::string(selectBets) + " WHERE id = ?1");
    betRow.bind(1, id);
    JournalBet bet;
    const bool found = reading.began() && betRow.step();
    if (!reading.began() || betRow.failed())
        return failed<JournalBet>(notRead + described(connection_->error()));
    if (!found)
        return failed<JournalBet>("Ставки " + countText(id) + " в журнале нет");
    bool known = readBetRow(betRow, bet);
    Statement eventRows(*connection_, std::string(selectEvents) + " WHERE bet_id = ?1 ORDER BY position");
    eventRows.bind(1, id);
    for (JournalEvent event; known && eventRows.step(); bet.events.push_back(std::move(event)))
        known = readEventRow(eventRows, event);
    if (eventRows.failed())
        return failed<JournalBet>(notRead + described(connection_->error()));
    if (!known || betProblem(bet))
        return failed<JournalBet>(unreadable(id));
    return bet;
}

std::optional<std::vector<std::string>> JournalStore::bookmakers()
{
    if (!canRead())
        return std::nullopt;
    Statement query(*connection_, "SELECT DISTINCT bookmaker FROM bets WHERE bookmaker <> '' ORDER BY bookmaker");
    std::vector<std::string> names;
    while (query.step())
        names.emplace_back(query.text(0));
    if (query.failed())
        return failed<std::vector<std::string>>(notRead + described(connection_->error()));
    return names;
}

} // namespace zoret::journal
