// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/form.h"
#include "ui/toolkit/grid.h"
#include "ui/toolkit/live_text_box.h"
#include "core/fair_odds_captions.h"

#include <memory>
#include <string>
#include <vector>

namespace zoret::ui {

// Form7: one bookmaker's odds on 2 to 20 outcomes with the margin removed by
// the chosen method, and at the user's own probabilities the expected value
// and the Kelly stake of each. Every change recomputes at once. What the
// rows, the bank and the choices hold outlives the window.
class FairOddsWindow : public Form {
public:
    FairOddsWindow();

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    struct OutcomeRow {
        LiveTextBox odds, mine;
        Label implied, fair, fairOdds, ev, kelly, stake;
    };

    void showOutcomes();
    void addOutcomeRow(std::size_t outcome);
    void chainRows();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Text1_Change();
    void Odds_Change(std::size_t outcome);
    void Mine_Change(std::size_t outcome);
    void recompute();

    std::vector<FairOddsEntry> entries_;
    std::string bank_;
    MarginMethod method_ = MarginMethod::Shin;
    KellyShare share_ = KellyShare::Quarter;

    ComboBox Combo1, Combo2, Combo3;
    LiveTextBox Text1;
    Grid Grid1;
    std::vector<std::unique_ptr<OutcomeRow>> rows_;
    Label lbOutcomesCaption, lbMethodCaption, lbBankCaption, lbShareCaption, lbMarginCaption, lbMargin, lbNote;
    CommandButton Command2;
};

} // namespace zoret::ui
