// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fair_odds_window/fair_odds_window.h"

#include "core/exact_decimal.h"

#include <algorithm>
#include <iterator>

namespace zoret::ui {

namespace {

constexpr std::size_t firstOutcomes = 3;

} // namespace

FairOddsWindow::FairOddsWindow()
    : Form("Form7", "Справедливые коэффициенты", 10500, 6300, Sizing::Resizable), entries_(firstOutcomes)
{
    Combo1.onClick([this] { Combo1_Click(); });
    Combo2.onClick([this] { Combo2_Click(); });
    Combo3.onClick([this] { Combo3_Click(); });
    Text1.onChange([this] { Text1_Change(); });
    Command2.onClick([this] { unload(); });
    lbOutcomesCaption.names(Combo1);
    lbMethodCaption.names(Combo2);
    lbBankCaption.names(Text1);
    lbShareCaption.names(Combo3);
    lbMarginCaption.names(lbMargin);
    lbNote.setReaderName("Замечание");
}

Layout FairOddsWindow::layout()
{
    using enum Style;
    return {
        {lbOutcomesCaption, "lbOutcomesCaption", inWindow, {}, 7},
        {Combo1, "Combo1", inWindow, {0, 0, 750, 0}, 0},
        {lbMethodCaption, "lbMethodCaption", inWindow, {}, 8},
        {Combo2, "Combo2", inWindow, {0, 0, 2100, 0}, 1, Plain, "Как снять маржу букмекера с вероятностей"},
        {lbBankCaption, "lbBankCaption", inWindow, {}, 9},
        {Text1, "Text1", inWindow, {0, 0, 1200, 0}, 2, Plain, "Сумма, от которой считаются ставки по Келли"},
        {lbShareCaption, "lbShareCaption", inWindow, {}, 10},
        {Combo3, "Combo3", inWindow, {0, 0, 750, 0}, 3, Plain, "Какая часть ставки по Келли делается"},
        {Grid1, "Grid1", inWindow, {0, 0, 0, 2700}, 4, Plain, "Исходы"},
        {lbMarginCaption, "lbMarginCaption", inWindow, {}, 11},
        {lbMargin,
         "lbMargin",
         inWindow,
         {0, 0, 1200, 0},
         5,
         RightAligned | Framed | Value,
         "Сумма обратных коэффициентов без единицы"},
        {lbNote, "lbNote", inWindow, {}, 6},
        {Command2, "Command2", inWindow, {0, 0, 1200, 0}, 12, DefaultButton | CancelButton},
    };
}

Arrangement FairOddsWindow::arrangement()
{
    return {
        {{&lbOutcomesCaption, &Combo1, &lbMethodCaption, &Combo2, &lbBankCaption, &Text1, &lbShareCaption, &Combo3,
          gap}},
        {{&Grid1}, true},
        {{&lbMarginCaption, &lbMargin, gap}},
        {{&lbNote}},
        {{gap, &Command2}},
    };
}

void FairOddsWindow::Form_Load()
{
    lbOutcomesCaption.setCaption("Исходов");
    lbMethodCaption.setCaption("Метод");
    lbBankCaption.setCaption("Банк");
    lbShareCaption.setCaption("Доля Келли");
    lbMarginCaption.setCaption("Маржа");
    Command2.setCaption("ОК");
    Grid1.setColumns({{"Коэффициент", 1200},
                      {"Вероятность", 1150},
                      {"Справедливая", 1250},
                      {"Справ. коэф.", 1150},
                      {"Своя, %", 1000},
                      {"Ожидание", 1100},
                      {"Келли", 1100},
                      {"Ставка", 1200}});
    for (int outcomes = minOutcomeRows; outcomes <= maxOutcomeRows; ++outcomes)
        Combo1.addItem(countText(outcomes));
    Combo1.setListIndex(static_cast<int>(entries_.size()) - minOutcomeRows);
    for (const MarginMethod method : marginMethodOrder)
        Combo2.addItem(marginMethodCaption(method));
    Combo2.setListIndex(entryOf(marginMethodOrder, method_));
    for (const KellyShare share : kellyShareOrder)
        Combo3.addItem(kellyShareCaption(share));
    Combo3.setListIndex(entryOf(kellyShareOrder, share_));
    Text1.setText(bank_);
    showOutcomes();
    recompute();
    rows_.front()->odds.setFocus();
}

void FairOddsWindow::showOutcomes()
{
    rows_.clear();
    showRows(Grid1, rows_, entries_.size(), [this](std::size_t row) { addOutcomeRow(row); });
    chainRows();
}

// A row's boxes show what its entry holds and are bound only then, so that
// restoring them recomputes nothing.
void FairOddsWindow::addOutcomeRow(std::size_t outcome)
{
    using enum Style;
    const Style figure = RightAligned | Value;
    OutcomeRow& row = *rows_.emplace_back(std::make_unique<OutcomeRow>());
    const int at = static_cast<int>(outcome);
    const std::string n = countText(at + 1);
    Grid1.placeControl(at, 0, row.odds, "Odds" + n, Plain, "Коэффициент исхода " + n);
    Grid1.placeControl(at, 1, row.implied, "Implied" + n, figure, "Вероятность по коэффициенту исхода " + n);
    Grid1.placeControl(at, 2, row.fair, "Fair" + n, figure, "Справедливая вероятность исхода " + n);
    Grid1.placeControl(at, 3, row.fairOdds, "FairOdds" + n, figure, "Справедливый коэффициент исхода " + n);
    Grid1.placeControl(at, 4, row.mine, "Mine" + n, Plain, "Своя вероятность исхода " + n);
    Grid1.placeControl(at, 5, row.ev, "Ev" + n, figure, "Ожидание исхода " + n);
    Grid1.placeControl(at, 6, row.kelly, "Kelly" + n, figure, "Доля банка по Келли исхода " + n);
    Grid1.placeControl(at, 7, row.stake, "Stake" + n, figure, "Ставка исхода " + n);
    row.mine.setToolTip("Ваша вероятность исхода в процентах; пусто — справедливая");

    const FairOddsEntry& entry = entries_[outcome];
    row.odds.setText(entry.oddsText);
    row.mine.setText(entry.probabilityText);
    row.odds.onChange([this, outcome] { Odds_Change(outcome); });
    row.mine.onChange([this, outcome] { Mine_Change(outcome); });
}

// Tab goes from the table through each row's boxes and figures, then on to
// the margin.
void FairOddsWindow::chainRows()
{
    std::vector<Control*> order{&Grid1};
    for (const auto& row : rows_)
        order.insert(order.end(), {&row->odds, &row->implied, &row->fair, &row->fairOdds, &row->mine, &row->ev,
                                   &row->kelly, &row->stake});
    order.push_back(&lbMargin);
    chainFocus(order);
}

// Rows come and go at the end; the others keep what they hold.
void FairOddsWindow::Combo1_Click()
{
    const int chosen = Combo1.listIndex();
    if (chosen < 0)
        return;
    const auto outcomes = static_cast<std::size_t>(chosen + minOutcomeRows);
    entries_.resize(outcomes);
    showRows(Grid1, rows_, outcomes, [this](std::size_t row) { addOutcomeRow(row); });
    chainRows();
    recompute();
}

void FairOddsWindow::Combo2_Click()
{
    method_ = marginMethodOrder[std::clamp(Combo2.listIndex(), 0, static_cast<int>(std::size(marginMethodOrder)) - 1)];
    recompute();
}

void FairOddsWindow::Combo3_Click()
{
    share_ = kellyShareOrder[std::clamp(Combo3.listIndex(), 0, static_cast<int>(std::size(kellyShareOrder)) - 1)];
    recompute();
}

void FairOddsWindow::Text1_Change()
{
    bank_ = Text1.text();
    recompute();
}

void FairOddsWindow::Odds_Change(std::size_t outcome)
{
    entries_[outcome].oddsText = rows_[outcome]->odds.text();
    recompute();
}

void FairOddsWindow::Mine_Change(std::size_t outcome)
{
    entries_[outcome].probabilityText = rows_[outcome]->mine.text();
    recompute();
}

void FairOddsWindow::recompute()
{
    const FairOddsCaptions captions = fairOddsCaptions(method_, entries_, bank_, share_);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        OutcomeRow& row = *rows_[i];
        const FairOddsRow& shown = captions.rows[i];
        row.implied.setCaption(shown.implied);
        row.fair.setCaption(shown.fair);
        row.fairOdds.setCaption(shown.fairOdds);
        row.ev.setCaption(shown.ev);
        row.kelly.setCaption(shown.kelly);
        row.stake.setCaption(shown.stake);
    }
    lbMargin.setCaption(captions.margin);
    lbNote.setCaption(captions.note);
}

} // namespace zoret::ui
