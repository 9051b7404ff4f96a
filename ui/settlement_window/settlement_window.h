// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/form.h"
#include "ui/toolkit/grid.h"
#include "ui/toolkit/live_text_box.h"
#include "core/journal_bet.h"
#include "core/settlement_captions.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zoret::ui {

class JournalAccess;

// Form3: what the bet on the main window's events pays as they win, lose,
// are void or are settled by halves. Every change recomputes at once. The
// marks, the bet and the sum outlive the window while the list stays the
// same.
class SettlementWindow : public Form {
public:
    SettlementWindow();

    // Shows the window modally for the list's texts, in list order; a list
    // other than the last one starts afresh.
    void showFor(std::vector<std::string> listTexts, QWidget* parent);
    // "В журнал" keeps the slip as a new bet there.
    void setJournal(JournalAccess* journal) { journal_ = journal; }
    // Shows a bet of the journal modally, its closing odds open to typing;
    // "Сохранить" (enabled when the journal is writable) asks again for its
    // bookmaker, note and date, keeps the changes and closes the window.
    void showBet(const JournalBet& bet, JournalAccess& journal, bool writable, QWidget* parent);

protected:
    Layout layout() override;
    void Form_Load() override;

private:
    struct EventRow {
        LiveTextBox event;
        ComboBox result;
        LiveTextBox closing;
        CheckBox fix;
    };
    // What an event row holds beside its coefficient and marks.
    struct EventTexts {
        std::string description;
        std::string closing;
    };

    void startAfresh(std::vector<std::string> listTexts);
    void fillEvents();
    void fillBets();
    void Result_Click(std::size_t event);
    void Fix_Click(std::size_t event);
    void Combo1_Click();
    void Text1_Change();
    void Option1_Click();
    void Option2_Click();
    void Command2_Click();
    JournalBet slipAsBet() const;
    void recompute();
    void showCaptions(const SettlementCaptions& captions);
    void showWhatIf(const std::vector<WhatIfRow>& rows);
    int bankerCount() const;

    std::vector<SlipEntry> slip_;
    std::vector<EventTexts> texts_; // of slip_, in the same order
    std::vector<Bet> bets_;
    Bet bet_;
    std::string sum_;
    SumMode mode_ = SumMode::PerLine;
    JournalAccess* journal_ = nullptr;
    std::optional<JournalBet> editing_; // the journal's bet shown, if any
    bool writable_ = true;

    Grid Grid1, Grid2;
    std::vector<std::unique_ptr<EventRow>> eventRows_;
    ComboBox Combo1;
    LiveTextBox Text1;
    OptionButton Option1, Option2;
    Label lbBetCaption, lbSumCaption;
    Label lbLinesCaption, lbLineStakeCaption, lbTotalStakeCaption, lbWinningCaption, lbReturnCaption, lbProfitCaption;
    Label lbLines, lbLineStake, lbTotalStake, lbWinning, lbReturn, lbProfit;
    CommandButton Command2, Command1;
};

} // namespace zoret::ui
