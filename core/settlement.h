// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/system_bet.h"

#include <gmpxx.h>

#include <cstddef>
#include <span>
#include <vector>

// What a single, an accumulator or a system pays when its events win, lose,
// are void or are settled by halves, in exact numbers.
namespace zoret {

// How an event stands, in the order the window offers them.
enum class Outcome { Open, Won, Lost, Void, HalfWon, HalfLost };

struct SlipEvent {
    mpq_class coefficient;
    Outcome outcome = Outcome::Open;
    bool banker = false; // joins every line of a system
};

enum class BetKind { Single, Accumulator, System };

struct Bet {
    BetKind kind = BetKind::Accumulator;
    int size = 0; // of a system: how many of the non-banker events a line holds
    bool operator==(const Bet&) const = default;
};

// The bets a slip offers, in the order shown: a single for one event;
// otherwise the accumulator, then for m = events - bankers from 3 to 20 the
// systems of size 2..m-1 (1..m-1 with a banker); only the accumulator on a
// slip of more than 20 events (as many as the main window's systems take).
std::vector<Bet> offeredBets(int eventCount, int bankerCount);

// Where `previous` stands among `bets`, or 0 when it is gone.
std::size_t keptBet(std::span<const Bet> bets, const Bet& previous);

enum class SumMode {
    PerLine, // the sum is each line's stake
    WholeBet // the sum is spread evenly over the lines
};

struct Range {
    mpq_class least;
    mpq_class most;
};

// When exactly `winners` of the open events win and the others lose.
struct WhatIf {
    int winners = 0;
    Range payout;
    Range profit;
};

struct Settlement {
    long long lines = 0; // C(m, k); 1 for a single or an accumulator
    mpq_class lineStake;
    mpq_class totalStake;
    long long linesWon = 0; // every event settled and none lost
    Range payout; // every open event lost .. every open event won
    Range profit; // payout minus the whole stake
    std::vector<WhatIf> whatIf; // winners = 0 .. the open events
};

// True when the slip holds a coefficient below 1, which is not settled.
bool hasCoefficientBelowOne(std::span<const SlipEvent> events);

// Throws std::invalid_argument for a bet the slip does not offer, a
// coefficient below 1 or a sum that is not positive.
Settlement settle(std::span<const SlipEvent> events, Bet bet, const mpq_class& sum, SumMode mode);

} // namespace zoret
