// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Bets of the journal for table rows, and what the journal keeps of them.
#include "core/journal_row.h"
#include "core/journal_summary.h"

#include <string>
#include <utility>
#include <vector>

inline zoret::JournalEvent ev(const char* coefficient, zoret::Outcome outcome, bool banker = false,
                              std::string description = "", std::string closing = "")
{
    return {coefficient, outcome, banker, std::move(description), std::move(closing)};
}
inline zoret::JournalBet bet(zoret::Bet kind, const char* sum, std::vector<zoret::JournalEvent> events,
                             zoret::SumMode mode = zoret::SumMode::PerLine,
                             const char* placedAt = "2026-12-07 10:15:30", std::string bookmaker = "",
                             std::string note = "")
{
    return {0, placedAt, std::move(bookmaker), std::move(note), kind, sum, mode, std::move(events)};
}
// The summaries and the figures of the bets, as the journal keeps them.
inline zoret::JournalSummaries summaries(const std::vector<zoret::JournalBet>& bets)
{
    zoret::JournalSummaries out;
    for (const auto& b : bets)
        out.bets.push_back(zoret::summaryOf(b)), out.figures.push_back(zoret::betFigures(b));
    return out;
}
