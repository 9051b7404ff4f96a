// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/odds_list_commands.h"

#include "core/settlement.h"

#include <algorithm>

namespace zoret {

OddsListCommands oddsListCommands(const OddsListState& state)
{
    const std::vector<Bet> bets = offeredBets(state.events, 0);
    const auto offers = [&](BetKind kind) {
        return std::any_of(bets.begin(), bets.end(), [kind](const Bet& bet) { return bet.kind == kind; });
    };
    OddsListCommands commands;
    commands.accumulator = offers(BetKind::Accumulator);
    commands.sizes = offers(BetKind::System);
    commands.system = commands.sizes && (state.systemOn || state.chosenSize > 0);
    commands.settlement = !bets.empty();
    commands.removal = state.selected >= 0 && state.selected < state.events;
    commands.offeredSizes =
        state.events >= minSystemEvents ? state.events - minSystemSize : std::min(state.offeredSizes, 1);
    return commands;
}

} // namespace zoret
