// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/journal_access/journal_access.h"
#include "ui/toolkit/chart.h"
#include "ui/toolkit/date_box.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/table.h"
#include "core/bank_movement.h"
#include "core/journal_row.h"
#include "core/journal_statistics.h"
#include "core/journal_summary.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zoret::ui {

// Opens a bet of the journal to be changed; a change is saved through the
// journal's access, which announces it.
using BetEditor = std::function<void(const JournalBet& bet, bool writable, QWidget* parent)>;
// Opens the deposits and withdrawals over `parent`.
using MovementsOpener = std::function<void(QWidget* parent)>;

// Form6: every bet of the journal, newest first, filtered by period (a
// fixed one or from one day to another), bookmaker and status, with the
// statistics and the profit curve of what the filter keeps and the balance
// of the bookmaker chosen (or of all) over all time. Deposits and
// withdrawals are kept in Form12, which `movements` opens. A bet opens in `editor`, where it is changed and saved
// again; the window reads the journal again after every change announced.
class JournalWindow : public Form {
public:
    JournalWindow(JournalAccess& journal, BetEditor editor, MovementsOpener movements);
    ~JournalWindow() override;

    // Opens the journal first: a journal the user cannot read shows no window.
    void showJournal(QWidget* parent);

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    bool reload(std::optional<int> newest = std::nullopt);
    void fillBookmakers();
    void refilter();
    const BetTexts& textsOf(std::size_t row) const;
    int compareRows(std::size_t a, std::size_t b, int column) const;
    void showStatistics();
    std::vector<std::int64_t> selectedIds() const;
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Dates_Change();
    void showDates();
    void Command6_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void enableCommands();

    JournalAccess& journal_;
    BetEditor editor_;
    MovementsOpener openMovements_;
    bool reading_ = false; // a change announced while reading is read with it
    std::vector<BetSummary> bets_; // newest first; a bet is read whole only to open it
    std::vector<BetFigures> figures_; // of bets_, in the same order
    std::vector<std::size_t> kept_; // what the filter keeps, positions in bets_
    mutable std::vector<std::optional<BetTexts>> texts_; // of kept_, each made when first shown or sorted
    std::vector<BankMovement> movements_;
    std::vector<std::string> bookmakers_; // as Combo2 offers them after "Все"
    JournalFilter filter_;
    bool writable_ = false;
    bool whole_ = false; // every bet read, not only the newest

    Label lbPeriodCaption, lbFromCaption, lbToCaption, lbBookmakerCaption, lbStatusCaption;
    ComboBox Combo1, Combo2, Combo3;
    DateBox DateFrom{DateBox::Shows::Date}, DateTo{DateBox::Shows::Date};
    Table Grid1;
    Chart Chart1;
    Label lbCountCaption, lbSettledCaption, lbTurnoverCaption, lbProfitCaption, lbRoiCaption, lbStrikeCaption,
        lbAverageCaption, lbClvCaption, lbBeatCloseCaption, lbDrawdownCaption, lbBalanceCaption;
    Label lbCount, lbSettled, lbTurnover, lbProfit, lbRoi, lbStrike, lbAverage, lbClv, lbBeatClose, lbDrawdown,
        lbBalance;
    CommandButton Command1, Command3, Command4, Command5, Command6, Command2;
};

} // namespace zoret::ui
