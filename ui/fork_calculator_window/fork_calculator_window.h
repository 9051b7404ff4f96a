// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/form.h"
#include "ui/toolkit/grid.h"
#include "ui/toolkit/live_text_box.h"
#include "core/fork_calculator_captions.h"

#include <gmpxx.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zoret::ui {

// Form5: a fork of 2 to 20 outcomes with the bookmakers' commissions, one
// stake fixed if need be, and the stakes rounded to a step, in exact
// numbers. Every change recomputes at once. What the rows, the sum and the
// rounding hold outlives the window.
class ForkCalculatorWindow : public Form {
public:
    ForkCalculatorWindow();

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    struct OutcomeRow {
        LiveTextBox odds, commission, stake;
        CheckBox fixed, share;
        Label payout, profit;
    };

    void showOutcomes();
    void addOutcomeRow(std::size_t outcome);
    void chainRows();
    void Combo1_Click();
    void Combo2_Click();
    void Text1_Change();
    void Odds_Change(std::size_t outcome);
    void Commission_Change(std::size_t outcome);
    void Stake_Change(std::size_t outcome);
    void Fixed_Click(std::size_t outcome);
    void Share_Click(std::size_t outcome);
    void Command1_Click();
    void fix(std::optional<std::size_t> outcome);
    void recompute();

    std::vector<ForkRowEntry> entries_;
    std::string total_;
    int rounding_ = 0; // the entry of Combo2

    ComboBox Combo1, Combo2;
    LiveTextBox Text1;
    Grid Grid1;
    std::vector<std::unique_ptr<OutcomeRow>> rows_;
    Label lbOutcomesCaption, lbSumCaption, lbRoundingCaption;
    Label lbMarginCaption, lbMargin, lbFork, lbTotalCaption, lbTotal, lbProfitCaption, lbProfit, lbRoiCaption, lbRoi;
    Label lbNote;
    CommandButton Command1, Command2;
};

} // namespace zoret::ui
