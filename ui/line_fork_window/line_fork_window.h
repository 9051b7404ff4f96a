// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/form.h"
#include "ui/toolkit/grid.h"
#include "ui/toolkit/live_text_box.h"

#include "core/score_model.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zoret {
struct LineForkCaptions;
struct LineForkRowEntry;
} // namespace zoret

namespace zoret::ui {

// Form9: a fork or corridor of 2 to 10 bets on handicaps, totals and results,
// backed or laid, one stake fixed if need be, the stakes rounded to a step;
// each class of final scores with what it pays, and its probability when the
// expected goals are typed. Every change recomputes at once; what the window
// holds outlives it.
class LineForkWindow : public Form {
public:
    // The model the match model window fitted last, if any: "Из модели"
    // takes its expected goals and its rho.
    using FittedModel = std::function<std::optional<ScoreModel>()>;
    explicit LineForkWindow(FittedModel fittedModel = {});
    ~LineForkWindow() override;

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    struct BetRow {
        ComboBox market;
        LiveTextBox line, odds, commission, stake;
        CheckBox lay, fixed;
        Label liability;
    };

    void showBets();
    void addBetRow(std::size_t bet);
    void chainRows();
    void Combo1_Click();
    void Combo2_Click();
    void Market_Click(std::size_t bet);
    void Stake_Change(std::size_t bet);
    void Lay_Click(std::size_t bet);
    void Fixed_Click(std::size_t bet);
    void Command1_Click();
    void Command3_Click();
    void fix(std::optional<std::size_t> bet);
    void recompute();
    void showOutcomes(const LineForkCaptions& captions);

    // The rows as typed, complete only in the window's source: what includes
    // this header need not compile the fork's headers.
    std::vector<LineForkRowEntry> entries_;
    std::string sum_, homeGoals_, awayGoals_;
    int rounding_ = 0; // the entry of Combo2
    double rho_ = 0; // of the model the goals came from; 0 for goals typed
    FittedModel fittedModel_;

    ComboBox Combo1, Combo2;
    LiveTextBox Text1, Text2, Text3;
    Grid Grid1, Grid2;
    std::vector<std::unique_ptr<BetRow>> rows_;
    Label lbBetsCaption, lbSumCaption, lbRoundingCaption, lbHomeGoalsCaption, lbAwayGoalsCaption;
    Label lbRho, lbTotalCaption, lbTotal, lbProfitCaption, lbProfit, lbVerdict, lbExpected, lbNote;
    CommandButton Command1, Command2, Command3;
};

} // namespace zoret::ui
