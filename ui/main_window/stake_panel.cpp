// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"

#include "core/convert.h"
#include "ui/toolkit/message_box.h"

#include <array>

namespace zoret::ui {

namespace {

// What each mode of the panel enables and how it names the answer. The
// answer's labels and "=" are on in every mode; Check1 is set last because
// enabling it is what the user can observe.
struct StakeModeLayout {
    bool win; // textSum, lbSum
    bool coefficient; // textKf, lbKf
    bool stake; // textStavka, lbStavka
    const char* answerName;
    bool system; // Check1
};

constexpr std::array<StakeModeLayout, 3> stakeModeLayouts{{
    {false, true, true, "Выигрыш равен", true}, // StakeMode::Win
    {true, false, true, "Коэффициент равен", false}, // StakeMode::Coefficient
    {true, true, false, "Ставка равна", true}, // StakeMode::Stake
}};

} // namespace

void MainWindow::optEndsum_Click() { showStakeMode(StakeMode::Win); }

void MainWindow::optKf_Click() { showStakeMode(StakeMode::Coefficient); }

void MainWindow::optBeginsum_Click() { showStakeMode(StakeMode::Stake); }

void MainWindow::showStakeMode(StakeMode mode)
{
    const StakeModeLayout& layout = stakeModeLayouts[static_cast<std::size_t>(mode)];
    textSum.setEnabled(layout.win);
    textKf.setEnabled(layout.coefficient);
    textStavka.setEnabled(layout.stake);
    lbRezultInfo.setEnabled(true);
    lbRezultSum.setEnabled(true);
    lbSum.setEnabled(layout.win);
    lbKf.setEnabled(layout.coefficient);
    lbStavka.setEnabled(layout.stake);
    ComBatRezult.setEnabled(true);
    // The last answer means what its caption said: under another caption
    // it would read as a different quantity.
    if (lbRezultInfo.caption() != layout.answerName)
        lbRezultSum.setCaption("0");
    lbRezultInfo.setCaption(layout.answerName);
    Check1.setEnabled(layout.system);
}

// The reading procedures: each reads the two boxes its mode works from.
StakeFigures MainWindow::TTe() const
{
    StakeFigures in;
    in.coefficient = typedVal(textKf.text());
    in.stake = typedVal(textStavka.text());
    return in;
}

StakeFigures MainWindow::TTk() const
{
    StakeFigures in;
    in.win = typedVal(textSum.text());
    in.stake = typedVal(textStavka.text());
    return in;
}

StakeFigures MainWindow::TTs() const
{
    StakeFigures in;
    in.coefficient = typedVal(textKf.text());
    in.win = typedVal(textSum.text());
    return in;
}

void MainWindow::ComBatRezult_Click()
{
    // "=" is enabled only once an option is chosen; stake mode is not tested.
    const StakeMode mode = optEndsum.value() ? StakeMode::Win
                           : optKf.value()   ? StakeMode::Coefficient
                                             : StakeMode::Stake;
    const StakeSolution solution = solveStake(mode, systemTicked, systemVariantCount, [this](StakeMode read) {
        return read == StakeMode::Win ? TTe() : read == StakeMode::Coefficient ? TTk() : TTs();
    });
    if (solution.verdict == StakeVerdict::AskSystem) {
        MsgBox(window(), "Выберите размер системы");
        return;
    }
    const std::string shown = Str(solution.figures.result);
    winAmount = solution.figures.win;
    coefficient = solution.figures.coefficient;
    stakeAmount = solution.figures.stake;
    resultAmount = solution.figures.result;
    if (solution.verdict == StakeVerdict::AskStake) {
        MsgBox(window(), "Впишите размер ставки");
        textStavka.setFocus();
    } else if (solution.verdict == StakeVerdict::AskCoefficient) {
        MsgBox(window(), "Впишите коэффициент");
        textKf.setFocus();
    } else {
        lbRezultSum.setCaption(shown);
    }
}

} // namespace zoret::ui
