// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "journal/journal_store.h"
#include "ui/toolkit/form.h"
#include "core/number.h"
#include "core/odds_list_commands.h"
#include "core/stake.h"
#include "core/system_bet.h"

#include <memory>
#include <string>
#include <vector>

namespace zoret::ui {

class FairOddsWindow;
class OddsFormatsWindow;
class ForkCalculatorWindow;
class ForkWindow;
class HelpWindow;
class JournalAccess;
class JournalWindow;
class LineForkWindow;
class MatchModelWindow;
class SettlementWindow;

// Form4: the odds list, the accumulator and system panels and the stake
// calculator. Its variables are shared by all the procedures of the window.
class MainWindow : public Form {
public:
    // The journal is opened at `journalPath` when first used.
    explicit MainWindow(QString journalPath = journal::defaultPath());
    ~MainWindow() override;

    // Window-level variables, in their order of declaration. winAmount,
    // coefficient, stakeAmount, odds and tailSums are written and never read
    // back: they keep the working values of the last calculation in view.
    Integer eventCount = 0;
    Integer systemSize = 0;
    Integer systemKey = 0;
    double systemOdds = 0;
    double accumulatorOdds = 0;
    double winAmount = 0;
    double coefficient = 0;
    double stakeAmount = 0;
    double resultAmount = 0;
    OddsArray odds;
    TailSums tailSums;
    bool systemTicked = false;
    Single systemVariantCount = 0;

    ForkWindow& forkWindow() { return *fork_; }
    HelpWindow& helpWindow() { return *help_; }

protected:
    Layout layout() override;
    MenuBarDesign menuBarDesign() override;
    void decorate() override;
    void Form_Load() override;

private:
    // Start-up, exit and the child windows.
    void Command5_Click();
    void Command6_Click();
    void Command10_Click();
    void Command11_Click();
    void openForkCalculator();
    void openLineFork();
    void openFairOdds();
    void openOddsFormats();
    void openMatchModel();
    void openJournal();
    JournalAccess& journal();
    void showAbout();
    void LoaD1();
    void clearTypedValues();
    void clearResults();
    void resetStakeChoice();
    void clearVariables();

    // The odds list.
    void Command1_Click();
    void Command2_Click();
    void List1_DblClick();
    void Command4_Click();
    void Listic();
    void Comic();
    void removeSelectedEvent();
    OddsListState listState() const;
    // Enables the commands and offers the sizes the list allows now.
    void applyListCommands();
    bool pasteEvents(const std::string& text, bool intoList);
    void addPastedEvents(const std::vector<std::string>& events);
    // Shows the count of events and enables the settlement, which needs one.
    void showEventCount();

    // Accumulator and system commands.
    void Command3_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Combo1_Click();
    void Check1_Click();
    // Loads the first twenty odds and forms what the chosen size needs.
    SystemEvaluation Priz() const;
    void SQR();
    void Syst();

    // The stake calculator.
    void optEndsum_Click();
    void optKf_Click();
    void optBeginsum_Click();
    void ComBatRezult_Click();
    void showStakeMode(StakeMode mode);
    StakeFigures TTe() const;
    StakeFigures TTk() const;
    StakeFigures TTs() const;

    void bindHandlers();
    void nameForReaders();

    Label Label2, Label6, Label5, Label7, Label3, Label1, Label4;
    Label lbSum, lbKf, lbStavka, lbRezultInfo, lbRezultSum;
    TextBox Text1, textSum, textKf, textStavka;
    CommandButton Command1, Command2, Command4, Command11, Command6, Command10, Command5;
    CommandButton Command3, Command8, Command7, Command9, ComBatRezult;
    ListBox List1;
    ComboBox Combo1;
    Frame Frame3, Frame4, Frame1;
    OptionButton optEndsum, optKf, optBeginsum;
    CheckBox Check1;

    std::unique_ptr<ForkWindow> fork_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<SettlementWindow> settlement_; // made on first use: start-up stays as fast
    std::unique_ptr<ForkCalculatorWindow> forkCalculator_; // made on first use too
    std::unique_ptr<FairOddsWindow> fairOdds_; // and this one
    std::unique_ptr<LineForkWindow> lineFork_; // and this one
    std::unique_ptr<OddsFormatsWindow> oddsFormats_; // and this one
    QString journalPath_;
    std::unique_ptr<MatchModelWindow> matchModel_; // and this one
    std::unique_ptr<JournalAccess> journal_; // opens the file on first use: start-up never touches it
    std::unique_ptr<JournalWindow> journalWindow_;
};

} // namespace zoret::ui
