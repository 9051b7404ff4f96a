// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/chart.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/table.h"
#include "core/journal_row.h"
#include "core/journal_statistics.h"
#include "core/journal_summary.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zoret::ui {

class BetDetailsWindow;
class JournalStore;
class SettlementWindow;

// The journal as the windows meet it: opened when first needed, never at
// start-up, with what the user must be told or asked on the way (a damaged
// file set aside only when he agrees, a newer one only read, a folder that
// cannot be written). A journal that cannot be opened leaves the
// calculators working; the next use tries again.
class JournalAccess {
public:
    JournalAccess();
    ~JournalAccess();

    // The open journal, or nothing once the user has been told why not.
    JournalStore* open(QWidget* parent);
    // Open and written by this version; tells the user why not otherwise.
    bool canSave(QWidget* parent);
    // Asks for the bookmaker and a note, then keeps the slip as a new bet
    // placed now; its id, or nothing when the user cancelled or was told
    // why it was not kept.
    std::optional<std::int64_t> addAsked(JournalBet bet, QWidget* parent);
    // The bet stored under its id takes what it holds now; false once the
    // user has been told why not.
    bool update(const JournalBet& bet, QWidget* parent);

private:
    std::unique_ptr<JournalStore> store_;
    std::unique_ptr<BetDetailsWindow> details_;
    bool told_ = false; // the read-only message is shown once
};

// Form6: every bet of the journal, newest first, filtered by period and
// bookmaker, with the statistics and the profit curve of what the filter
// keeps. A bet opens in the settlement window, where it is changed and
// saved again.
class JournalWindow : public Form {
public:
    explicit JournalWindow(JournalAccess& journal);
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
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void enableCommands();

    JournalAccess& journal_;
    std::unique_ptr<SettlementWindow> editor_; // made on first use
    std::vector<BetSummary> bets_; // newest first; a bet is read whole only to open or export it
    std::vector<BetFigures> figures_; // of bets_, in the same order
    std::vector<std::size_t> kept_; // what the filter keeps, positions in bets_
    mutable std::vector<std::optional<BetTexts>> texts_; // of kept_, each made when first shown or sorted
    std::vector<std::string> bookmakers_; // as Combo2 offers them after "Все"
    JournalFilter filter_;
    bool writable_ = false;
    bool whole_ = false; // every bet read, not only the newest

    Label lbPeriodCaption, lbBookmakerCaption;
    ComboBox Combo1, Combo2;
    Table Grid1;
    Chart Chart1;
    Label lbCountCaption, lbSettledCaption, lbTurnoverCaption, lbProfitCaption, lbRoiCaption, lbStrikeCaption,
        lbAverageCaption;
    Label lbCount, lbSettled, lbTurnover, lbProfit, lbRoi, lbStrike, lbAverage;
    CommandButton Command1, Command3, Command4, Command5, Command2;
};

} // namespace zoret::ui
