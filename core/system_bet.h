// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number.h"

#include <array>
#include <span>
#include <string>

// The system-bet engine: the total coefficient of a system of size k is the
// elementary symmetric sum of order k of the odds. The window always hands
// over twenty positions; unused ones read as empty text and count as 0.
//
// The figures are formed the way the program has always formed them: every
// stored cell is a single, sums and products are taken in double and rounded
// once when stored. Users compare the digits with earlier results, so the
// order of the operations below is part of the behaviour.
namespace zoret {

inline constexpr int systemPositions = 20;
inline constexpr int systemLevels = 18;
inline constexpr int minSystemSize = 2;
inline constexpr int maxSystemSize = 19;
// Systems are offered from the smallest size and one event more, up to the
// positions of the odds table.
inline constexpr int minSystemEvents = minSystemSize + 1;
inline constexpr int maxSystemEvents = systemPositions;

// Positions 1..20 used, [0] unused.
struct OddsArray {
    std::array<Single, 21> at{};
};

// cell[k][i]: the symmetric sum of order k of the odds at positions i..20,
// for levels k = 1..18 and positions i = 2..21-k; every other cell is 0.
struct TailSums {
    std::array<std::array<Single, 22>, 19> cell{};
};

// odds.at[i] = toSingle(Val(items[i-1])); items past the end read as "".
// Raises Overflow for text beyond the double range or a value beyond the
// single range.
OddsArray loadOdds(std::span<const std::string> items);

// Builds levels 1..levels (1..18); the cells of higher levels stay 0.
// Raises Overflow when a stored cell leaves the single range.
TailSums buildTailSums(const OddsArray& odds, int levels = systemLevels);

// The total of one size (2..19); the table must hold levels 1..size-1.
// Sizes up to 18 are stored as a single (Overflow beyond its range) and
// returned widened; size 19 stays a double.
double systemTotal(const OddsArray& odds, const TailSums& table, int size);

struct SystemEvaluation {
    OddsArray odds;
    TailSums tailSums;
    double total = 0;
};

// Loads the odds and forms only the levels the size needs, so a small
// system over large odds does not trip over levels nobody asked for.
// Throws std::invalid_argument for a size outside 2..19.
SystemEvaluation evaluateSystem(std::span<const std::string> items, int size);

// The caption text of a total: sizes 2..18 are shown as a single, size 19
// as a double. Throws std::invalid_argument for a size outside 2..19.
std::string systemTotalText(int size, double total);

} // namespace zoret
