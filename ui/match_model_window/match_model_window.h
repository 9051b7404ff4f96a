// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/score_model.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/live_text_box.h"
#include "ui/toolkit/table.h"

#include <memory>
#include <optional>

namespace zoret {
struct MatchModelCaptions;
struct MatchModelEntry;
} // namespace zoret

namespace zoret::ui {

// Form10: one bookmaker's 1X2 and main total, or expected goals typed
// directly, fitted to a score model; the fair odds of every handicap and
// total, the correct scores, and the value of odds offered elsewhere. Every
// change recomputes at once; what the boxes hold outlives the window.
class MatchModelWindow : public Form {
public:
    MatchModelWindow();
    ~MatchModelWindow() override;

    // The model of the last fit that succeeded, for the fork on lines.
    std::optional<ScoreModel> fittedModel() const { return fitted_; }

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    void bindBoxes();
    void showEntry();
    void Market_Click();
    void Combo1_Click();
    void Command1_Click();
    void recompute();
    void showTables(const MatchModelCaptions& captions);

    // Behind a pointer: what includes this header need not compile the
    // model's headers.
    std::unique_ptr<MatchModelEntry> entry_;
    std::optional<ScoreModel> fitted_;

    LiveTextBox Odds1, Odds2, Odds3, TotalLine, Over, Under, Lambda1, Lambda2, Line, Offered;
    ComboBox Combo1, Market;
    Table Grid1, Grid2, Grid3;
    Label lbOddsCaption, lbMethodCaption, lbTotalCaption, lbOverCaption, lbUnderCaption, lbLambdaCaption;
    Label lbLambda, lbRho, lbProbabilities, lbBoth, lbOther, lbNote;
    Label lbMarketCaption, lbLineCaption, lbOfferedCaption, lbFairCaption, lbFair, lbEvCaption, lbEv, lbKellyCaption,
        lbKelly;
    CommandButton Command1, Command2;
};

} // namespace zoret::ui
