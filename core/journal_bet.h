// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settlement.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A slip as the journal keeps it: the texts the user typed and the marks he
// set, never a rounded number, so that it settles again to the cent.
namespace zoret {

struct JournalEvent {
    std::string coefficientText; // as the odds list wrote it: " 1.85"
    Outcome outcome = Outcome::Open;
    bool banker = false;
    std::string description; // what was bet on: "Спартак – ЦСКА, П1"
    std::string closingText; // the closing odds as typed ("1,95"), empty while not known
    bool operator==(const JournalEvent&) const = default;
};

struct JournalBet {
    std::int64_t id = 0; // 0 until the journal stores it
    std::string placedAt; // local wall-clock time "YYYY-MM-DD HH:MM:SS"
    std::string bookmaker;
    std::string note;
    Bet bet;
    std::string sumText; // as typed: "100,50" or "100.50"
    SumMode sumMode = SumMode::PerLine;
    std::vector<JournalEvent> events;
    bool operator==(const JournalBet&) const = default;
};

// The codes files and the journal store instead of captions, which may be
// reworded: "single", "accumulator", "system"; "open", "won", "lost", "void",
// "half-won", "half-lost"; "per-line", "whole-bet". A code that is not one
// of these reads as nothing.
std::string_view kindCode(BetKind kind);
std::optional<BetKind> kindOfCode(std::string_view code);
std::string_view outcomeCode(Outcome outcome);
std::optional<Outcome> outcomeOfCode(std::string_view code);
std::string_view sumModeCode(SumMode mode);
std::optional<SumMode> sumModeOfCode(std::string_view code);

// Files carry a kind and a result in Russian, as the windows show them
// ("Ординар", "Экспресс", "Система"; outcomeCaption's "Выигрыш",
// "Половина проигрыша"...); older files carry the codes. Either reads.
std::string_view kindCaption(BetKind kind);
std::optional<BetKind> kindOfCaptionOrCode(std::string_view text);
std::optional<Outcome> outcomeOfCaptionOrCode(std::string_view text);

// Why the journal cannot keep a bet, in Russian (a date that is not a real
// date and time, a text that is not UTF-8, no events, a coefficient below 1
// or beyond reading, closing odds typed that are not odds, a sum that is
// not a positive number, a bet its events do not offer), or nothing for a
// bet that settles.
std::optional<std::string> betProblem(const JournalBet& bet);

// Closing odds as typed, read as an odds box reads them ("1,95", "1.95",
// "19/20", "-105"): odds above 1, else nothing. A blank text is not known.
std::optional<mpq_class> closingOdds(std::string_view closingText);

// Its events in exact numbers, for a bet without a problem.
std::vector<SlipEvent> slipEvents(const JournalBet& bet);

// What makes two bets the same bet for an import: the placed time, the
// kind and size, the sum's value and mode, and each event's coefficient
// value, mark and banker, in order. Two bets are the same when their keys
// are equal; " 1.85" and "1.850" are the same coefficient, "1,85" and
// "1.85" the same sum.
std::string duplicateKey(const JournalBet& bet);

} // namespace zoret
