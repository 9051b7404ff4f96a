// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/match_model_window/match_model_window.h"

#include "core/exact_decimal.h"
#include "core/match_model_captions.h"
#include "core/fair_odds_captions.h"

#include <algorithm>
#include <iterator>

namespace zoret::ui {

namespace {

// The two sides of each line: its text and the fair odds of each side.
TableRows lineRows(std::vector<LinePriceRow> rows)
{
    const int count = static_cast<int>(rows.size());
    return {count,
            [rows = std::move(rows)](int row) {
                const LinePriceRow& r = rows[std::size_t(row)];
                return std::vector<std::string>{r.line, r.first, r.second};
            },
            {}};
}

// One row per home side's goals, one column per away side's.
TableRows scoreRows(const MatchModelCaptions& c)
{
    if (!c.model)
        return {};
    return {shownGoals,
            [scores = c.scores](int row) {
                std::vector<std::string> cells{countText(row)};
                cells.insert(cells.end(), scores[std::size_t(row)].begin(), scores[std::size_t(row)].end());
                return cells;
            },
            {}};
}

} // namespace

MatchModelWindow::MatchModelWindow()
    : Form("Form10", "Модель матча", 13200, 9000, Sizing::Resizable), entry_(std::make_unique<MatchModelEntry>())
{
    Combo1.onClick([this] { Combo1_Click(); });
    Market.onClick([this] { Market_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { unload(); });
    lbMethodCaption.names(Combo1);
    lbTotalCaption.names(TotalLine);
    lbOverCaption.names(Over);
    lbUnderCaption.names(Under);
    lbMarketCaption.names(Market);
    lbLineCaption.names(Line);
    lbOfferedCaption.names(Offered);
    lbFairCaption.names(lbFair);
    lbEvCaption.names(lbEv);
    lbKellyCaption.names(lbKelly);
    Odds1.setReaderName("Коэффициент П1");
    Odds2.setReaderName("Коэффициент Х");
    Odds3.setReaderName("Коэффициент П2");
    Lambda1.setReaderName("Ожидаемые голы хозяев");
    Lambda2.setReaderName("Ожидаемые голы гостей");
    lbLambda.setReaderName("Ожидаемые голы модели");
    lbRho.setReaderName("Поправка на малый счёт");
    lbProbabilities.setReaderName("Вероятности исходов");
    lbBoth.setReaderName("Обе забьют");
    lbOther.setReaderName("Другой счёт");
    lbNote.setReaderName("Замечание");
}

MatchModelWindow::~MatchModelWindow() = default;

Layout MatchModelWindow::layout()
{
    using enum Style;
    const Style figure = Framed | Value;
    return {
        {lbOddsCaption, "lbOddsCaption", inWindow, {}, 20},
        {Odds1, "Odds1", inWindow, {0, 0, 900, 0}, 0, Plain, "Коэффициент букмекера на победу хозяев"},
        {Odds2, "Odds2", inWindow, {0, 0, 900, 0}, 1, Plain, "Коэффициент букмекера на ничью"},
        {Odds3, "Odds3", inWindow, {0, 0, 900, 0}, 2, Plain, "Коэффициент букмекера на победу гостей"},
        {lbMethodCaption, "lbMethodCaption", inWindow, {}, 21},
        {Combo1, "Combo1", inWindow, {0, 0, 2100, 0}, 3, Plain, "Как снять маржу с 1X2 и с тотала"},
        {lbTotalCaption, "lbTotalCaption", inWindow, {}, 22},
        {TotalLine, "TotalLine", inWindow, {0, 0, 700, 0}, 4, Plain, "Линия основного тотала, кратная 0.25"},
        {lbOverCaption, "lbOverCaption", inWindow, {}, 23},
        {Over, "Over", inWindow, {0, 0, 900, 0}, 5, Plain, "Коэффициент на тотал больше; пусто — без тотала"},
        {lbUnderCaption, "lbUnderCaption", inWindow, {}, 24},
        {Under, "Under", inWindow, {0, 0, 900, 0}, 6, Plain, "Коэффициент на тотал меньше; пусто — без тотала"},
        {lbLambdaCaption, "lbLambdaCaption", inWindow, {}, 25},
        {Lambda1, "Lambda1", inWindow, {0, 0, 800, 0}, 7, Plain, "Ожидаемые голы хозяев, когда коэффициенты пусты"},
        {Lambda2, "Lambda2", inWindow, {0, 0, 800, 0}, 8, Plain, "Ожидаемые голы гостей, когда коэффициенты пусты"},
        {lbLambda, "lbLambda", inWindow, {0, 0, 2000, 0}, 9, figure},
        {lbRho,
         "lbRho",
         inWindow,
         {0, 0, 1500, 0},
         10,
         figure,
         "Поправка Диксона и Коулза на счета 0:0, 1:0, 0:1, 1:1"},
        {lbProbabilities, "lbProbabilities", inWindow, {0, 0, 4200, 0}, 11, figure},
        {Grid1, "Grid1", inWindow, {0, 0, 3300, 3000}, 12, Plain, "Форы"},
        {Grid2, "Grid2", inWindow, {0, 0, 3300, 3000}, 13, Plain, "Тоталы"},
        {Grid3,
         "Grid3",
         inWindow,
         {0, 0, 5400, 3000},
         14,
         Plain,
         "Точный счёт: по строкам голы хозяев, по столбцам голы гостей"},
        {lbBoth, "lbBoth", inWindow, {0, 0, 3600, 0}, 15, figure},
        {lbOther, "lbOther", inWindow, {0, 0, 2400, 0}, 16, figure},
        {lbMarketCaption, "lbMarketCaption", inWindow, {}, 26},
        {Market, "Market", inWindow, {0, 0, 1000, 0}, 17, Plain, "Ставка, которую проверить"},
        {lbLineCaption, "lbLineCaption", inWindow, {}, 27},
        {Line, "Line", inWindow, {0, 0, 800, 0}, 18, Plain, "Фора или тотал ставки, кратные 0.25"},
        {lbOfferedCaption, "lbOfferedCaption", inWindow, {}, 28},
        {Offered, "Offered", inWindow, {0, 0, 900, 0}, 19, Plain, "Коэффициент, предложенный в другой конторе"},
        {lbFairCaption, "lbFairCaption", inWindow, {}, 29},
        {lbFair, "lbFair", inWindow, {0, 0, 900, 0}, 30, figure | RightAligned},
        {lbEvCaption, "lbEvCaption", inWindow, {}, 31, SingleLine},
        {lbEv, "lbEv", inWindow, {0, 0, 900, 0}, 32, figure | RightAligned, "Ожидаемый выигрыш на 100 поставленных"},
        {lbKellyCaption, "lbKellyCaption", inWindow, {}, 33},
        {lbKelly, "lbKelly", inWindow, {0, 0, 1100, 0}, 34, figure | RightAligned, "Ставка по Келли в процентах банка"},
        {lbNote, "lbNote", inWindow, {0, 0, 0, 240}, 35},
        {Command1, "Command1", inWindow, {0, 0, 1200, 0}, 36},
        {Command2, "Command2", inWindow, {0, 0, 1200, 0}, 37, DefaultButton | CancelButton},
    };
}

Arrangement MatchModelWindow::arrangement()
{
    return {
        {{&lbOddsCaption, &Odds1, &Odds2, &Odds3, &lbMethodCaption, &Combo1, gap}},
        {{&lbTotalCaption, &TotalLine, &lbOverCaption, &Over, &lbUnderCaption, &Under, &lbLambdaCaption, &Lambda1,
          &Lambda2, gap}},
        {{&lbLambda, &lbRho, &lbProbabilities, gap}},
        {{&Grid1, &Grid2, &Grid3}, true},
        {{&lbBoth, &lbOther, gap}},
        {{&lbMarketCaption, &Market, &lbLineCaption, &Line, &lbOfferedCaption, &Offered, &lbFairCaption, &lbFair,
          &lbEvCaption, &lbEv, &lbKellyCaption, &lbKelly, gap}},
        {{&lbNote}},
        {{gap, &Command1, &Command2}},
    };
}

void MatchModelWindow::Form_Load()
{
    lbOddsCaption.setCaption("П1, Х, П2");
    lbMethodCaption.setCaption("Маржа");
    lbTotalCaption.setCaption("Тотал");
    lbOverCaption.setCaption("ТБ");
    lbUnderCaption.setCaption("ТМ");
    lbLambdaCaption.setCaption("или ожидаемые голы");
    lbMarketCaption.setCaption("Ставка");
    lbLineCaption.setCaption("Линия");
    lbOfferedCaption.setCaption("Коэффициент");
    lbFairCaption.setCaption("Справедливый");
    lbEvCaption.setCaption("Ожидание на 100");
    lbKellyCaption.setCaption("Келли");
    Command1.setCaption("Очистить");
    Command2.setCaption("ОК");
    Grid1.setColumns({{"Линия", 700, true}, {"Ф1", 1000, true}, {"Ф2", 1000, true}}, "MatchModel/Handicaps");
    Grid2.setColumns({{"Линия", 700, true}, {"ТБ", 1000, true}, {"ТМ", 1000, true}}, "MatchModel/Totals");
    std::vector<TableColumn> scoreColumns{{"Голы", 600, true}};
    static const char* away[] = {"0", "1", "2", "3", "4", "5"};
    for (const char* goals : away)
        scoreColumns.push_back({goals, 780, true});
    Grid3.setColumns(scoreColumns, "MatchModel/Scores");
    for (const MarginMethod method : marginMethodOrder)
        Combo1.addItem(marginMethodCaption(method));
    for (const zoret::Market market : allMarkets)
        Market.addItem(marketName(market));
    showEntry();
    bindBoxes();
    recompute();
    Odds1.setFocus();
}

// The boxes show what the entry holds before they are bound, so that
// restoring them recomputes nothing.
void MatchModelWindow::showEntry()
{
    const std::pair<LiveTextBox*, std::string*> boxes[] = {
        {&Odds1, &entry_->home},          {&Odds2, &entry_->draw},      {&Odds3, &entry_->away},
        {&TotalLine, &entry_->totalLine}, {&Over, &entry_->over},       {&Under, &entry_->under},
        {&Lambda1, &entry_->lambda1},     {&Lambda2, &entry_->lambda2}, {&Line, &entry_->line},
        {&Offered, &entry_->offered}};
    for (const auto& [box, text] : boxes)
        box->setText(*text);
    Combo1.setListIndex(static_cast<int>(
        std::distance(std::begin(marginMethodOrder),
                      std::find(std::begin(marginMethodOrder), std::end(marginMethodOrder), entry_->method))));
    Market.setListIndex(static_cast<int>(entry_->market));
    Line.setEnabled(marketHasLine(entry_->market));
}

void MatchModelWindow::bindBoxes()
{
    const std::pair<LiveTextBox*, std::string MatchModelEntry::*> boxes[] = {
        {&Odds1, &MatchModelEntry::home},      {&Odds2, &MatchModelEntry::draw},
        {&Odds3, &MatchModelEntry::away},      {&TotalLine, &MatchModelEntry::totalLine},
        {&Over, &MatchModelEntry::over},       {&Under, &MatchModelEntry::under},
        {&Lambda1, &MatchModelEntry::lambda1}, {&Lambda2, &MatchModelEntry::lambda2},
        {&Line, &MatchModelEntry::line},       {&Offered, &MatchModelEntry::offered}};
    for (const auto& [box, field] : boxes)
        box->onChange([this, box = box, field = field] {
            (*entry_).*field = box->text();
            recompute();
        });
}

void MatchModelWindow::Combo1_Click()
{
    entry_->method =
        marginMethodOrder[std::clamp(Combo1.listIndex(), 0, static_cast<int>(std::size(marginMethodOrder)) - 1)];
    recompute();
}

// Markets without a line take none: the box is off and what it holds is
// not read.
void MatchModelWindow::Market_Click()
{
    entry_->market =
        allMarkets[std::size_t(std::clamp(Market.listIndex(), 0, static_cast<int>(allMarkets.size()) - 1))];
    Line.setEnabled(marketHasLine(entry_->market));
    recompute();
}

// Empties every box and puts the main total back at 2.5; the margin method
// stays as chosen.
void MatchModelWindow::Command1_Click()
{
    MatchModelEntry cleared;
    cleared.method = entry_->method;
    *entry_ = cleared;
    showEntry();
    recompute();
    Odds1.setFocus();
}

void MatchModelWindow::recompute()
{
    const MatchModelCaptions c = matchModelCaptions(*entry_);
    if (c.model)
        fitted_ = c.model;
    lbLambda.setCaption(c.lambdas);
    lbRho.setCaption(c.rho);
    lbProbabilities.setCaption(c.probabilities);
    lbBoth.setCaption(c.bothScore);
    lbOther.setCaption(c.model ? "Другой счёт: " + c.otherScore : "");
    lbFair.setCaption(c.fair);
    lbEv.setCaption(c.ev);
    lbKelly.setCaption(c.kelly);
    lbNote.setCaption(c.note);
    showTables(c);
}

void MatchModelWindow::showTables(const MatchModelCaptions& c)
{
    Grid1.setRows(lineRows(c.handicaps));
    Grid2.setRows(lineRows(c.totals));
    Grid3.setRows(scoreRows(c));
}

} // namespace zoret::ui
