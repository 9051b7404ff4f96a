// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_summary.h"

#include <cstdint>
#include <optional>
#include <string>

struct sqlite3;

namespace zoret::ui {

struct SummaryRows {
    JournalSummaries summaries; // the newest placed first
    int failure = 0; // SQLite's primary result code when the reading failed
    std::string failureText;
    std::optional<std::int64_t> unreadable; // a row this version cannot read as a bet
};

// Every bet's summary read through SQLite's own interface on the open
// connection `handle`, inside the caller's transaction: Qt's conversion of
// each value on the way would take most of the time of a journal of many
// bets. Nothing is settled; a row whose stored settlement does not read
// is named, and no summary is given. With `newest`, only that many of the
// newest bets, read in order through the index.
SummaryRows readSummaries(sqlite3* handle, std::optional<int> newest = std::nullopt);

} // namespace zoret::ui
