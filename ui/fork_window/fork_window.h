// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/form.h"
#include "core/fork.h"
#include "core/fork_inputs.h"
#include "core/number.h"

#include <array>

namespace zoret::ui {

// Form1: the fork calculator. Its variables outlive the window: closing and
// reopening it runs Form_Load again but keeps forkSize, stakeSum, centreCode.
class ForkWindow : public Form {
public:
    ForkWindow();

    Integer forkSize = 0;
    ForkOdds forkOdds{}; // outcome i at [i - 1]
    Single margin = 0;
    Single totalReturn = 0;
    Single stakeSum = 0;
    std::array<Integer, 4> centreCode{5, 6, 7, 8};

protected:
    Layout layout() override;
    void Form_Load() override;

private:
    void nameForReaders();
    void LoaD2();
    void Combo1_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void centringChanged(int outcome);
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void showMarginState(Single shownMargin);
    OddsReader oddsTyped();

    std::array<TextBox*, 4> oddsBoxes();
    std::array<Label*, 4> stakeLabels();
    std::array<Label*, 4> payoutLabels();
    std::array<CheckBox*, 4> centringBoxes();

    ComboBox Combo1;
    TextBox Text1, Text2, Text3, Text4, Text5;
    CommandButton Command1, Command2, Command4, Command5;
    Frame Frame1;
    CheckBox Check1, Check2, Check3, Check4;
    Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
    Label Label9, Label10, Label11, Label12, Label13, Label14, Label15, Label16;
    Label Label17, Label18, Label19, Label20, Label21, Label22, Label23;
};

} // namespace zoret::ui
