// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fork_inputs.h"

namespace zoret {

namespace {

std::size_t at(int outcome) { return static_cast<std::size_t>(outcome); }

// A coefficient below zero is no more a price than a missing one.
bool isPrice(double coefficient) { return coefficient > 0; }

} // namespace

int forkOutcomes(Integer forkSize) { return forkSize == 2 || forkSize == 3 ? forkSize : 4; }

MarginOdds oddsForMargin(int outcomes, const ForkOdds& kept, const OddsReader& read)
{
    MarginOdds typed{kept, std::nullopt};
    for (int i = 0; i < outcomes; ++i)
        typed.odds[at(i)] = toSingle(read(i));
    for (int i = 0; i < outcomes && !typed.firstMissing; ++i)
        if (!isPrice(typed.odds[at(i)]))
            typed.firstMissing = i;
    return typed;
}

std::optional<ForkOdds> oddsForStakes(int outcomes, const ForkOdds& kept, const OddsReader& read)
{
    std::array<double, 4> values{};
    for (int i = 0; i < outcomes; ++i) {
        values[at(i)] = read(i);
        if (!isPrice(values[at(i)]))
            return std::nullopt;
    }
    ForkOdds typed = kept;
    for (int i = 0; i < outcomes; ++i)
        typed[at(i)] = toSingle(values[at(i)]);
    return typed;
}

CentredSet centredByCode(int outcomes, const std::array<Integer, 4>& codes)
{
    CentredSet centred{};
    for (int i = 0; i < outcomes; ++i)
        centred[at(i)] = codes[at(i)] == i + 1;
    return centred;
}

} // namespace zoret
