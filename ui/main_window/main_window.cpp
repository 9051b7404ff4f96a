// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"

#include "ui/toolkit/message_box.h"
#include "ui/toolkit/pictures.h"
#include "core/convert.h"
#include "core/odds_list_commands.h"
#include "ui/fair_odds_window/fair_odds_window.h"
#include "ui/line_fork_window/line_fork_window.h"
#include "ui/odds_formats_window/odds_formats_window.h"
#include "ui/fork_calculator_window/fork_calculator_window.h"
#include "ui/fork_window/fork_window.h"
#include "ui/help_window/help_window.h"
#include "ui/journal_access/journal_access.h"
#include "ui/journal_window/journal_window.h"
#include "ui/match_model_window/match_model_window.h"
#include "ui/movements_window/movements_window.h"
#include "ui/settlement_window/settlement_window.h"

#include <QIcon>

namespace zoret::ui {

namespace {

constexpr const char* copyCoefficientTip = "Скопировать текущее  значение коэффициента в поле 'Коэффициент'";
constexpr const char* systemTickTip = "Если вы работаете с коэффициентом системы - поставьте галочку";
constexpr FontChoice infoFont{"Times New Roman", 8.25};
constexpr FontChoice resultFont{"Arial Narrow", 9.75};

} // namespace

MainWindow::MainWindow(QString journalPath)
    : Form("Form4", "Zoret - от Lorvi'а", 8670, 4560), fork_(std::make_unique<ForkWindow>()),
      help_(std::make_unique<HelpWindow>()), journalPath_(std::move(journalPath))
{
    bindHandlers();
    nameForReaders();
}

MainWindow::~MainWindow() = default;

// What a screen reader says where a caption alone would not do: the results
// by what they show, the two arrows by what they copy, and the controls that
// share a caption with another.
void MainWindow::nameForReaders()
{
    Label2.names(Text1);
    lbSum.names(textSum);
    lbKf.names(textKf);
    lbStavka.names(textStavka);
    Label5.names(Combo1);
    Label1.setReaderName("Коэффициент экспресса");
    Label4.setReaderName("Коэффициент системы");
    lbRezultInfo.setReaderName("Искомая величина");
    lbRezultSum.setReaderName("Результат");
    Command8.setReaderName("Скопировать коэффициент экспресса в поле 'Коэффициент'");
    Command9.setReaderName("Скопировать коэффициент системы в поле 'Коэффициент'");
    optEndsum.setReaderName("Считать размер выигрыша");
    optKf.setReaderName("Считать коэффициент");
    optBeginsum.setReaderName("Считать размер ставки");
    Check1.setReaderName("Система: суммы на всю систему");
}

void MainWindow::bindHandlers()
{
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Command9.onClick([this] { Command9_Click(); });
    Command10.onClick([this] { Command10_Click(); });
    Command11.onClick([this] { Command11_Click(); });
    List1.onDblClick([this] { List1_DblClick(); });
    List1.onDelete([this] { Command2_Click(); });
    List1.onPaste([this](const std::string& text) { return pasteEvents(text, true); });
    Text1.onPaste([this](const std::string& text) { return pasteEvents(text, false); });
    Combo1.onClick([this] { Combo1_Click(); });
    Check1.onClick([this] { Check1_Click(); });
    optEndsum.onClick([this] { optEndsum_Click(); });
    optKf.onClick([this] { optKf_Click(); });
    optBeginsum.onClick([this] { optBeginsum_Click(); });
    ComBatRezult.onClick([this] { ComBatRezult_Click(); });
}

Layout MainWindow::layout()
{
    using enum Style;
    return {
        {Label2, "Label2", inWindow, {120, 120, 1215, 255}, 22, Centred},
        {Text1, "Text1", inWindow, {120, 480, 1215, 285}, 0},
        {Command1, "Command1", inWindow, {120, 1080, 1215, 375}, 1, DefaultButton},
        {Command2, "Command2", inWindow, {120, 1560, 1215, 375}, 2},
        {Command4, "Command4", inWindow, {120, 2040, 1215, 375}, 3, Plain, "Очищение окна от введенных значений"},
        // Command11 shares Command6's tab index and comes first in the table:
        // Tab reaches it right before Command6 and every other index stays.
        {Command11, "Command11", inWindow, {120, 2520, 1215, 375}, 19, Plain, "Расчёт выплаты по итогам событий"},
        {Command6, "Command6", inWindow, {120, 3120, 1215, 375}, 19, Plain, "Работа с вилками"},
        {Command10, "Command10", inWindow, {120, 3600, 1215, 375}, 20},
        {Command5, "Command5", inWindow, {120, 4080, 1215, 375}, 21, CancelButton, "Выход из программы"},
        {Label6, "Label6", inWindow, {1440, 120, 975, 255}, 26, Centred},
        {List1, "List1", inWindow, {1440, 480, 975, 3960}, 4, Plain, "Список коэффициентов"},
        // Label5's caption needs two lines at this width: the label reaches
        // up and down to the list below it so that both lines stay whole.
        {Label5, "Label5", inWindow, {2520, 45, 1215, 435}, 24, Centred},
        {Combo1, "Combo1", inWindow, {2520, 480, 1215, 315}, 5, Plain, "Размер экспрессов в системе"},
        {Label7, "Label7", inWindow, {2520, 1200, 1695, 375}, 25, Framed, "Размер системы"},
        {Label3, "Label3", inWindow, {2520, 1560, 1695, 375}, 23, Framed, "Количество различных вариантов системы"},

        {Frame3, "Frame3", inWindow, {4320, 120, 4215, 975}, 27},
        {Command3, "Command3", &Frame3, {120, 360, 1215, 375}, 6},
        {Label1, "Label1", &Frame3, {1440, 360, 1935, 375}, 29, Framed | Value},
        {Command8, "Command8", &Frame3, {3480, 360, 615, 375}, 7, Plain, copyCoefficientTip},

        {Frame4, "Frame4", inWindow, {4320, 1080, 4215, 975}, 28},
        {Command7, "Command7", &Frame4, {120, 360, 1215, 375}, 8},
        {Label4, "Label4", &Frame4, {1440, 360, 1935, 375}, 30, Framed | Value},
        {Command9, "Command9", &Frame4, {3480, 360, 615, 375}, 9, Plain, copyCoefficientTip},

        {Frame1, "Frame1", inWindow, {2520, 2160, 6015, 2295}, 10},
        {optEndsum, "optEndsum", &Frame1, {120, 240, 1815, 255}, 11, Plain, "Посчитать предполагаемый выигрыш"},
        {optKf, "optKf", &Frame1, {2040, 240, 1455, 255}, 12, Plain, "Вычислить коэффициент"},
        {optBeginsum, "optBeginsum", &Frame1, {3600, 240, 1455, 255}, 13, Plain, "Посчитать сумму ставки"},
        {Check1, "Check1", &Frame1, {4320, 960, 975, 255}, 17, Plain, systemTickTip},
        {lbSum, "lbSum", &Frame1, {120, 600, 1095, 285}, 33, RightAligned},
        {textSum, "textSum", &Frame1, {1320, 600, 2775, 300}, 14},
        {lbKf, "lbKf", &Frame1, {120, 960, 1095, 285}, 32, RightAligned},
        {textKf, "textKf", &Frame1, {1320, 960, 2775, 300}, 15},
        {lbStavka, "lbStavka", &Frame1, {120, 1320, 1095, 285}, 31, RightAligned},
        {textStavka, "textStavka", &Frame1, {1320, 1320, 2775, 300}, 16},
        {lbRezultInfo, "lbRezultInfo", &Frame1, {120, 1800, 1575, 300}, 35, Centred | SingleLine, {}, infoFont},
        {lbRezultSum, "lbRezultSum", &Frame1, {1800, 1800, 2295, 300}, 34, Centred | Framed | Value, {}, resultFont},
        {ComBatRezult, "ComBatRezult", &Frame1, {4680, 1800, 855, 315}, 18},
    };
}

// Each item does what its button does; "Расчёт ставки..." is enabled with
// Command11 (showEventCount).
MenuBarDesign MainWindow::menuBarDesign()
{
    return {"Главное меню",
            {
                {"menuFile",
                 "&Файл",
                 {
                     {"actionJournal", "&Журнал ставок...", [this] { openJournal(); }, "Ctrl+J"},
                     {"actionExit", "&Выход", [this] { Command5_Click(); }, "Ctrl+Q"},
                 }},
                {"menuCalculations",
                 "&Расчёты",
                 {
                     {"actionSettlement", "&Расчёт ставки...", [this] { Command11_Click(); }},
                     {"actionFork", "&Вилка...", [this] { Command6_Click(); }},
                     {"actionForkCalculator", "&Калькулятор вилки...", [this] { openForkCalculator(); }},
                     {"actionFairOdds", "&Справедливые коэффициенты...", [this] { openFairOdds(); }},
                     {"actionOddsFormats", "&Форматы коэффициентов...", [this] { openOddsFormats(); }},
                     {"actionMatchModel", "&Модель матча...", [this] { openMatchModel(); }},
                     {"actionLineFork", "Вилка на форах и &тоталах...", [this] { openLineFork(); }},
                 }},
                {"menuHelp",
                 "&Справка",
                 {
                     {"actionHelp", "&Помощь...", [this] { Command10_Click(); }, "F1"},
                     {"actionAbout", "&О программе...", [this] { showAbout(); }},
                 }},
            }};
}

void MainWindow::decorate()
{
    Command8.setPicture(downArrowPicture());
    Command9.setPicture(downArrowPicture());
    window()->setWindowIcon(windowIcon());
}

void MainWindow::Form_Load()
{
    LoaD1();
    Command1.setCaption("Добавить");
    Command2.setCaption("Удалить");
    Command3.setCaption("Экспресс");
    Frame3.setCaption("Экспресс");
    Command4.setCaption("Убрать все");
    Command5.setCaption("Выход");
    Command6.setCaption("Вилка...");
    Command7.setCaption("Система");
    Frame4.setCaption("Система");
    Command8.setCaption("");
    Command9.setCaption("");
    Command10.setCaption("Помощь...");
    Command11.setCaption("Расчёт...");
    Label2.setCaption("Коэффициенты");
    Label5.setCaption("Кол-во событий системы");
    Frame1.setCaption("Считать...");
    optEndsum.setCaption("Размер выигрыша");
    optKf.setCaption("Коэффициент");
    optBeginsum.setCaption("Размер ставки");
    lbSum.setCaption("Выигрыш");
    lbKf.setCaption("Коэффициент");
    lbStavka.setCaption("Ставка");
    ComBatRezult.setCaption("=");
    Combo1.setEnabled(false);
    Label5.setEnabled(false);
    Check1.setCaption("Система");
}

// The whole window back to its start-up state, in the order the panels were
// designed to be reset.
void MainWindow::LoaD1()
{
    Listic();
    clearTypedValues();
    clearResults();
    resetStakeChoice();
    clearVariables();
}

void MainWindow::clearTypedValues()
{
    Text1.setText("");
    textSum.setText("");
    textKf.setText("");
    textStavka.setText("");
    textSum.setEnabled(false);
    textKf.setEnabled(false);
    textStavka.setEnabled(false);
    lbSum.setEnabled(false);
    lbKf.setEnabled(false);
    lbStavka.setEnabled(false);
    lbRezultInfo.setCaption("");
    lbRezultInfo.setEnabled(false);
    lbRezultSum.setCaption("0");
    lbRezultSum.setEnabled(false);
}

void MainWindow::clearResults()
{
    Label1.setCaption("");
    Label3.setCaption("");
    Label4.setCaption("");
    showEventCount();
    Label7.setCaption("");
    Combo1.clear();
    List1.clear();
    Command3.setEnabled(false);
    Command7.setEnabled(false);
}

// Setting the options and the tick runs their Click handlers, as at start-up.
void MainWindow::resetStakeChoice()
{
    ComBatRezult.setBold(true);
    ComBatRezult.setFontSize(12);
    ComBatRezult.setEnabled(false);
    Combo1.setEnabled(false);
    Label5.setEnabled(false);
    optEndsum.setValue(false);
    optKf.setValue(false);
    optBeginsum.setValue(false);
    Check1.setEnabled(false);
    Check1.setValue(0);
}

void MainWindow::clearVariables()
{
    winAmount = 0;
    coefficient = 0;
    stakeAmount = 0;
    resultAmount = 0;
    systemOdds = 0;
    accumulatorOdds = 0;
    systemTicked = false;
}

void MainWindow::showEventCount()
{
    Label6.setCaption("( " + CStr(eventCount) + " )");
    const bool settlement = oddsListCommands({.events = eventCount}).settlement;
    Command11.setEnabled(settlement);
    menuBar().setEnabled("actionSettlement", settlement);
}

void MainWindow::Command5_Click() { unload(); }

void MainWindow::Command6_Click() { fork_->showModal(window()); }

void MainWindow::Command10_Click() { help_->showModal(window()); }

void MainWindow::Command11_Click()
{
    if (!settlement_)
        settlement_ = std::make_unique<SettlementWindow>();
    std::vector<std::string> listTexts;
    for (int i = 0; i < List1.listCount(); ++i)
        listTexts.push_back(List1.list(i));
    settlement_->setJournal(&journal());
    settlement_->showFor(std::move(listTexts), window());
}

void MainWindow::openForkCalculator()
{
    if (!forkCalculator_)
        forkCalculator_ = std::make_unique<ForkCalculatorWindow>();
    forkCalculator_->showModal(window());
}

void MainWindow::openLineFork()
{
    if (!lineFork_)
        lineFork_ = std::make_unique<LineForkWindow>(
            [this] { return matchModel_ ? matchModel_->fittedModel() : std::optional<ScoreModel>(); });
    lineFork_->showModal(window());
}

void MainWindow::openFairOdds()
{
    if (!fairOdds_)
        fairOdds_ = std::make_unique<FairOddsWindow>();
    fairOdds_->showModal(window());
}

void MainWindow::openOddsFormats()
{
    if (!oddsFormats_)
        oddsFormats_ = std::make_unique<OddsFormatsWindow>();
    oddsFormats_->showModal(window());
}

void MainWindow::openMatchModel()
{
    if (!matchModel_)
        matchModel_ = std::make_unique<MatchModelWindow>();
    matchModel_->showModal(window());
}

JournalAccess& MainWindow::journal()
{
    if (!journal_)
        journal_ = std::make_unique<JournalAccess>(journalPath_);
    return *journal_;
}

void MainWindow::openJournal()
{
    if (!journalWindow_) {
        // A bet opens in a settlement window of the journal's own: the one of
        // the odds list keeps its slip.
        auto editor = [this, window = std::make_shared<std::unique_ptr<SettlementWindow>>()](
                          const JournalBet& bet, bool writable, QWidget* parent) {
            if (!*window)
                *window = std::make_unique<SettlementWindow>();
            (*window)->showBet(bet, journal(), writable, parent);
        };
        auto movements = [this, window = std::make_shared<std::unique_ptr<MovementsWindow>>()](QWidget* parent) {
            if (!*window)
                *window = std::make_unique<MovementsWindow>(journal());
            (*window)->showMovements(parent);
        };
        journalWindow_ = std::make_unique<JournalWindow>(journal(), std::move(editor), std::move(movements));
    }
    journalWindow_->showJournal(window());
}

void MainWindow::showAbout()
{
    AboutBox(window(), "О программе",
             "Zoret " ZORET_VERSION "\n\nТочный калькулятор для ставок на спорт: экспрессы, системы, расчёт "
             "ставки и вилки.\n\nЛицензия: GPL-3.0-or-later");
}

} // namespace zoret::ui
