// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/rows.h"

#include "core/journal_summary.h"

namespace zoret::journal {

void bindBet(Statement& statement, const JournalBet& bet)
{
    statement.bind(1, bet.placedAt);
    statement.bind(2, bet.bookmaker);
    statement.bind(3, bet.note);
    statement.bind(4, kindCode(bet.bet.kind));
    statement.bind(5, std::int64_t{bet.bet.size});
    statement.bind(6, bet.sumText);
    statement.bind(7, sumModeCode(bet.sumMode));
    const BetSummary summary = summaryOf(bet);
    statement.bind(8, settledRecord(summary, betFigures(bet)));
    statement.bind(9, summary.descriptions);
}

bool insertEvents(Statement& statement, std::int64_t id, const JournalBet& bet)
{
    for (std::size_t i = 0; i < bet.events.size(); ++i) {
        const JournalEvent& event = bet.events[i];
        statement.bind(1, id);
        statement.bind(2, static_cast<std::int64_t>(i));
        statement.bind(3, event.coefficientText);
        statement.bind(4, outcomeCode(event.outcome));
        statement.bind(5, std::int64_t{event.banker ? 1 : 0});
        statement.bind(6, event.description);
        statement.bind(7, event.closingText);
        if (!statement.run())
            return false;
    }
    return true;
}

bool insertBets(Connection& connection, std::span<const JournalBet> bets, std::vector<std::int64_t>& ids)
{
    // Prepared once for every bet.
    Statement betRow(connection, insertBet), eventRows(connection, insertEvent);
    for (const auto& bet : bets) {
        bindBet(betRow, bet);
        if (!betRow.run())
            return false;
        ids.push_back(connection.lastInsertId());
        if (!insertEvents(eventRows, ids.back(), bet))
            return false;
    }
    return true;
}

bool insertMovements(Connection& connection, std::span<const BankMovement> movements, std::vector<std::int64_t>& ids)
{
    Statement row(connection, insertMovement);
    for (const auto& movement : movements) {
        row.bind(1, movement.at);
        row.bind(2, movement.bookmaker);
        row.bind(3, movementKindCode(movement.kind));
        row.bind(4, movement.amountText);
        row.bind(5, movement.note);
        if (!row.run())
            return false;
        ids.push_back(connection.lastInsertId());
    }
    return true;
}

bool readBetRow(const Statement& row, JournalBet& bet)
{
    bet.id = row.integer(0);
    bet.placedAt = row.text(1);
    bet.bookmaker = row.text(2);
    bet.note = row.text(3);
    const auto kind = kindOfCode(row.text(4));
    bet.bet = {kind.value_or(BetKind::Single), static_cast<int>(row.integer(5))};
    bet.sumText = row.text(6);
    const auto mode = sumModeOfCode(row.text(7));
    bet.sumMode = mode.value_or(SumMode::PerLine);
    return kind && mode;
}

bool readEventRow(const Statement& row, JournalEvent& event)
{
    const auto outcome = outcomeOfCode(row.text(2));
    event = {std::string(row.text(1)), outcome.value_or(Outcome::Open), row.integer(3) != 0, std::string(row.text(4)),
             std::string(row.text(5))};
    return outcome.has_value();
}

bool readMovementRow(const Statement& row, BankMovement& movement)
{
    const auto kind = movementKindOf(row.text(3));
    movement = {row.integer(0),           std::string(row.text(1)),
                std::string(row.text(2)), kind.value_or(MovementKind::Deposit),
                std::string(row.text(4)), std::string(row.text(5))};
    return kind.has_value();
}

MovementRows readMovements(Connection& connection)
{
    MovementRows rows;
    Statement select(connection, std::string(selectMovements) + " ORDER BY at DESC, id DESC");
    for (BankMovement movement; select.step(); rows.movements.push_back(std::move(movement)))
        if (!readMovementRow(select, movement) || movementProblem(movement))
            return rows.unreadable = movement.id, rows;
    rows.failed = select.failed();
    return rows;
}

} // namespace zoret::journal
