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
    statement.bind(8, settledRecord(summaryOf(bet), betFigures(bet)));
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
        if (!statement.run())
            return false;
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
    event = {std::string(row.text(1)), outcome.value_or(Outcome::Open), row.integer(3) != 0, std::string(row.text(4))};
    return outcome.has_value();
}

} // namespace zoret::journal
