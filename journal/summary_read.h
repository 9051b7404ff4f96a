// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_summary.h"
#include "journal/sqlite.h"

#include <cstdint>
#include <optional>

namespace zoret::journal {

struct SummaryRows {
    JournalSummaries summaries; // the newest placed first
    bool failed = false; // the connection's error says why
    std::optional<std::int64_t> unreadable; // a row this version cannot read as a bet
};

// Every bet's summary, inside the caller's transaction, each value read as
// SQLite holds it: a conversion of each on the way would take most of the
// time of a journal of many bets. Nothing is settled; a row whose stored
// settlement does not read is named, and no summary is given. With
// `newest`, only that many of the newest bets, read in order through the
// index.
SummaryRows readSummaries(Connection& connection, std::optional<int> newest = std::nullopt);

} // namespace zoret::journal
