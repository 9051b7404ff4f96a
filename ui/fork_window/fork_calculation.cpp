// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fork_window/fork_window.h"

#include "core/convert.h"
#include "core/fork_inputs.h"
#include "ui/toolkit/message_box.h"

namespace zoret::ui {

OddsReader ForkWindow::oddsTyped()
{
    return [this](int outcome) { return typedVal(oddsBoxes()[static_cast<std::size_t>(outcome)]->text()); };
}

void ForkWindow::Command5_Click()
{
    const int n = forkOutcomes(forkSize);
    const MarginOdds typed = oddsForMargin(n, forkOdds, oddsTyped());
    // Without every coefficient there is no margin to show: showing the
    // last one again would offer "Сумма" for odds no longer on screen.
    if (typed.firstMissing) {
        MsgBox(window(), "Впишите коэффициенты", MsgBoxIcon::None, "Zoret");
        oddsBoxes()[static_cast<std::size_t>(*typed.firstMissing)]->setFocus();
        return;
    }
    const Single computed = forkMargin(n, typed.odds);
    showMarginState(computed);
    forkOdds = typed.odds;
    margin = computed;
}

void ForkWindow::showMarginState(Single shownMargin)
{
    // The hole is worked out first: its overflow must come before any change.
    const bool fork = isFork(shownMargin);
    const std::string hole = fork ? CStr(holePercent(shownMargin)) : "Норма";
    Label6.setCaption(CStr(shownMargin));
    Label7.setCaption(fork ? "Дырка (%)" : "");
    Label8.setCaption(hole);
    Command4.setEnabled(fork);
    Label16.setEnabled(fork);
    Text5.setEnabled(fork);
    Frame1.setEnabled(fork);
}

void ForkWindow::Command4_Click()
{
    if (typedVal(Text5.text()) == 0)
        return;
    const int n = forkOutcomes(forkSize);
    const std::optional<ForkOdds> typed = oddsForStakes(n, forkOdds, oddsTyped());
    if (!typed)
        return;
    const Single sum = toSingle(typedVal(Text5.text()));
    const CentredSet centred = centredByCode(n, centreCode);
    const ForkSum result = splitForkSum(n, *typed, sum, centred);

    // The arithmetic has all run; showMarginState can only fail before it
    // changes a caption, so a failed click leaves the window as it was.
    showMarginState(result.margin);
    forkOdds = *typed;
    margin = result.margin;
    stakeSum = sum;
    if (!result.split)
        return;
    totalReturn = result.split->totalReturn;
    Label14.setCaption(Str(totalReturn));
    for (std::size_t i = 0; i < 4; ++i) {
        stakeLabels()[i]->setCaption(Str(result.split->stakes[i]));
        payoutLabels()[i]->setCaption(Str(result.split->payouts[i]));
    }
}

} // namespace zoret::ui
