// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_row.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A bet as the journal's table, filters, statistics and curve need it,
// without its events: settled once when the bet is written and kept beside
// it, so that opening a journal of many bets settles none of them.
namespace zoret {

struct BetSummary {
    std::int64_t id = 0;
    std::string placedAt; // "YYYY-MM-DD HH:MM:SS"
    std::string bookmaker;
    std::string note;
    Bet bet;
    int events = 0;
    int bankers = 0;
    std::string firstCoefficient; // the first event's, without blanks: "1.85"
    std::string descriptions; // the events' descriptions, each on one line (oneLineText), joined by '\n'

    bool operator==(const BetSummary&) const = default;
};

// The bets and their figures, two lists of the same order.
struct JournalSummaries {
    std::vector<BetSummary> bets;
    std::vector<BetFigures> figures;
};

BetSummary summaryOf(const JournalBet& bet);

// The texts a row shows; betTexts gives the same for the whole bet.
BetTexts summaryTexts(const BetSummary& summary, const BetFigures& figures);

// What the journal keeps beside a bet so that its summary is read back
// without settling it: its status, the counts of its events and bankers,
// its figures as exact fractions ("37/20 201/2 ...") with its
// closing-line value ("-" for none), then its first coefficient. The
// descriptions are kept in a column of their own.
std::string settledRecord(const BetSummary& summary, const BetFigures& figures);

// Reads a record back into `summary` (its counts and first coefficient)
// and `figures`. False, leaving both in any state, for a record that is
// not one or that does not fit the rest of the summary (a placed-at that is
// not a date and time, a stake that is not positive, a bet its events do
// not offer), so that a damaged row is refused, never shown.
bool readSettledRecord(std::string_view record, BetSummary& summary, BetFigures& figures);

} // namespace zoret
