// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/fork.h"
#include "core/number.h"

#include <array>
#include <functional>
#include <optional>

// How the fork window turns what is typed in its odds boxes into odds. "Маржа"
// and "Сумма" read them by different rules, and each rule decides what the
// window does next.
namespace zoret {

// The outcomes a chosen count means: 2 or 3, and 4 for anything else.
int forkOutcomes(Integer forkSize);

// The value typed for an outcome, 0 for the first.
using OddsReader = std::function<double(int outcome)>;

struct MarginOdds {
    ForkOdds odds; // the first outcomes as read, the others as they were
    std::optional<int> firstMissing; // the first outcome with no price, 0-based
};

// "Маржа": every box is read and stored as a single; a stored value that is
// not above zero is no price.
MarginOdds oddsForMargin(int outcomes, const ForkOdds& kept, const OddsReader& read);

// "Сумма": the boxes are read in order until one is not above zero, and then
// there are no odds; otherwise they are stored as singles.
std::optional<ForkOdds> oddsForStakes(int outcomes, const ForkOdds& kept, const OddsReader& read);

// An outcome is centred when its code is its own number (1 to 4) rather than
// that number plus four.
CentredSet centredByCode(int outcomes, const std::array<Integer, 4>& codes);

} // namespace zoret
