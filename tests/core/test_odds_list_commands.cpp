// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/odds_list_commands.h"
#include "tests/core/rows.h"

using namespace zoret;

namespace {

// The commands the list allows, by their captions, then the sizes offered.
std::string allowed(OddsListState state)
{
    const OddsListCommands c = oddsListCommands(state);
    std::string out;
    for (const auto& [on, name] : {std::pair{c.accumulator, "Экспресс "},
                                   {c.sizes, "размеры "},
                                   {c.system, "Система "},
                                   {c.settlement, "Расчёт "},
                                   {c.removal, "Удалить "}})
        out += on ? name : "";
    return out + "| " + exact(c.offeredSizes);
}

TEST(OddsListCommands, Table)
{
    // clang-format off
    checkRows({
        {"Empty", [] { return allowed({}); }, "| 0"},
        {"EmptyWithALeftOverSize", [] { return allowed({.offeredSizes = 1}); }, "| 1"},
        {"One", [] { return allowed({.events = 1}); }, "Расчёт | 0"},
        {"OneSelected", [] { return allowed({.events = 1, .selected = 0}); }, "Расчёт Удалить | 0"},
        {"TwoKeepAtMostTheSizeTwo", [] { return allowed({.events = 2, .offeredSizes = 5}); }, "Экспресс Расчёт | 1"},
        {"TwoWithSystemOnTurnItOff", [] { return allowed({.events = 2, .chosenSize = 2, .systemOn = true}); }, "Экспресс Расчёт | 0"},
        {"ThreeOfferTheSizeTwo", [] { return allowed({.events = 3}); }, "Экспресс размеры Расчёт | 1"},
        {"SelectedLast", [] { return allowed({.events = 5, .selected = 4}); }, "Экспресс размеры Расчёт Удалить | 3"},
        {"SelectedPastTheEnd", [] { return allowed({.events = 5, .selected = 5}); }, "Экспресс размеры Расчёт | 3"},
        {"PickedSize", [] { return allowed({.events = 5, .chosenSize = 3}); }, "Экспресс размеры Система Расчёт | 3"},
        {"SystemStaysOnAfterTheChoiceIsCleared", [] { return allowed({.events = 6, .systemOn = true}); }, "Экспресс размеры Система Расчёт | 4"},
        {"Twenty", [] { return allowed({.events = 20, .chosenSize = 19}); }, "Экспресс размеры Система Расчёт | 18"},
        {"TwentyOneKeepTheSizesDisabled", [] { return allowed({.events = 21, .chosenSize = 19, .systemOn = true}); }, "Экспресс Расчёт | 19"},
        {"FullList", [] { return allowed({.events = 32767, .selected = 32766}); }, "Экспресс Расчёт Удалить | 32765"},
    });
    // clang-format on
}

} // namespace
