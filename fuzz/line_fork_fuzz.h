// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

namespace zoret::fuzz {

// Up to 4 bets on lines (any market, a line of -3 to +3 or a total of 0 to 6, odds 1.01 to 21,
// a commission, back or lay): the classes hold every score of a box once and settle it as the
// score does; the split matches an independent solver that tries every vertex of the weights
// where n - 1 of "weight i is 0" and "class j pays as class k" hold, keeping the one whose
// sorted results are largest, then the one giving the earlier row most; the rounding matches
// the best of every choice of each stake down or up. Aborts with a message when a property
// fails.
void lineFork(std::span<const std::uint8_t> bytes);

} // namespace zoret::fuzz
