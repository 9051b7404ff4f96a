#include "ui/fork_window/fork_window.h"

#include "core/convert.h"
#include "ui/toolkit/message_box.h"

#include <optional>

namespace zoret::ui {

namespace {

int outcomesOf(Integer forkSize) { return forkSize == 2 || forkSize == 3 ? forkSize : 4; }

// A coefficient below zero is no more a price than a missing one.
bool isMissing(Single coefficient) { return !(coefficient > 0); }

} // namespace

void ForkWindow::Command5_Click()
{
    const int n = outcomesOf(forkSize);
    ForkOdds typed = forkOdds;
    for (int i = 0; i < n; ++i)
        typed[static_cast<std::size_t>(i)] = toSingle(Val(oddsBoxes()[static_cast<std::size_t>(i)]->text()));

    std::optional<int> firstMissing;
    for (int i = 0; i < n && !firstMissing; ++i)
        if (isMissing(typed[static_cast<std::size_t>(i)]))
            firstMissing = i;

    if (firstMissing) {
        forkOdds = typed;
        MsgBox(window(), "Впишите коэффициенты", MsgBoxIcon::None, "Zoret");
        oddsBoxes()[static_cast<std::size_t>(*firstMissing)]->setFocus();
        showMarginState(margin);
        return;
    }
    const Single computed = forkMargin(n, typed);
    showMarginState(computed);
    forkOdds = typed;
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
    if (Val(Text5.text()) == 0)
        return;
    const int n = outcomesOf(forkSize);
    std::array<double, 4> read{};
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        read[at] = Val(oddsBoxes()[at]->text());
        if (read[at] <= 0)
            return;
    }
    ForkOdds typed = forkOdds;
    for (int i = 0; i < n; ++i)
        typed[static_cast<std::size_t>(i)] = toSingle(read[static_cast<std::size_t>(i)]);
    const Single sum = toSingle(Val(Text5.text()));

    // The split must use the margin of the odds it divides with, not the one
    // of an earlier "Маржа": otherwise the payouts disagree with "Итог", and
    // odds edited into no fork at all would still be split.
    const Single computed = forkMargin(n, typed);
    if (!isFork(computed)) {
        showMarginState(computed);
        forkOdds = typed;
        margin = computed;
        stakeSum = sum;
        return;
    }
    CentredSet centred{};
    for (int i = 0; i < n; ++i)
        centred[static_cast<std::size_t>(i)] = centreCode[static_cast<std::size_t>(i)] == i + 1;
    const Integer key = zoret::centreKey(n, centred);
    const ForkSplit split = forkStakes(n, typed, sum, computed, centredSetFromKey(n, key));

    // The arithmetic has all run; showMarginState can only fail before it
    // changes a caption, so a failed click leaves the window as it was.
    showMarginState(computed);
    forkOdds = typed;
    margin = computed;
    stakeSum = sum;
    totalReturn = split.totalReturn;
    centreKey = key;
    Label14.setCaption(Str(totalReturn));
    for (std::size_t i = 0; i < 4; ++i) {
        stakeLabels()[i]->setCaption(Str(split.stakes[i]));
        payoutLabels()[i]->setCaption(Str(split.payouts[i]));
    }
}

} // namespace zoret::ui
