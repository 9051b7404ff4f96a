// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which of the main window's commands the odds list allows, and which
// system sizes it offers: the one rule every handler of the list applies.
namespace zoret {

struct OddsListState {
    int events = 0;
    int selected = -1; // the selected event, -1 for none
    int chosenSize = 0; // the system size picked, 0 for none
    int offeredSizes = 0; // the entries the size list holds now
    bool systemOn = false; // "Система" is enabled now
};

struct OddsListCommands {
    bool accumulator = false; // "Экспресс"
    bool sizes = false; // the size list and its caption
    bool system = false; // "Система"
    bool settlement = false; // "Расчёт..."
    bool removal = false; // "Удалить" has an event to remove
    // The size list holds the sizes 2 .. offeredSizes + 1. It keeps them
    // while it is disabled for more than 20 events, so that a removal only
    // ever takes its last entry; below three events it holds at most the
    // size 2 left over from the last removal.
    int offeredSizes = 0;
};

// The bets of the list are those a slip of its events offers: the
// accumulator from two events, systems for 3 to 20. "Система" needs a size
// picked, and stays on once picked while systems are offered, also after an
// addition clears the choice.
OddsListCommands oddsListCommands(const OddsListState& state);

} // namespace zoret
