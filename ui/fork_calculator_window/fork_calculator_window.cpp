// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fork_calculator_window/fork_calculator_window.h"

#include "core/exact_decimal.h"
#include "core/fork_calculator.h"
#include "core/rounding_steps.h"

namespace zoret::ui {

ForkCalculatorWindow::ForkCalculatorWindow()
    : Form("Form5", "Калькулятор вилки", 8700, 6300, Sizing::Resizable), entries_(minOutcomeRows)
{
    Combo1.onClick([this] { Combo1_Click(); });
    Combo2.onClick([this] { Combo2_Click(); });
    Text1.onChange([this] { Text1_Change(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { unload(); });
    lbOutcomesCaption.names(Combo1);
    lbSumCaption.names(Text1);
    lbRoundingCaption.names(Combo2);
    lbMarginCaption.names(lbMargin);
    lbTotalCaption.names(lbTotal);
    lbProfitCaption.names(lbProfit);
    lbRoiCaption.names(lbRoi);
    lbFork.setReaderName("Вилка");
    lbNote.setReaderName("Замечание");
}

Layout ForkCalculatorWindow::layout()
{
    using enum Style;
    const Style figure = RightAligned | Framed | Value;
    return {
        {lbOutcomesCaption, "lbOutcomesCaption", inWindow, {}, 12},
        {Combo1, "Combo1", inWindow, {0, 0, 750, 0}, 0},
        {lbSumCaption, "lbSumCaption", inWindow, {}, 13},
        {Text1,
         "Text1",
         inWindow,
         {0, 0, 1500, 0},
         1,
         Plain,
         "Сумма, которую делят исходы, пока ни одна ставка не закреплена"},
        {lbRoundingCaption, "lbRoundingCaption", inWindow, {}, 14},
        {Combo2, "Combo2", inWindow, {0, 0, 900, 0}, 2, Plain, "Шаг, кратными которому становятся ставки"},
        {Grid1, "Grid1", inWindow, {0, 0, 0, 2700}, 3, Plain, "Исходы"},
        {lbMarginCaption, "lbMarginCaption", inWindow, {}, 15},
        {lbMargin, "lbMargin", inWindow, {0, 0, 1200, 0}, 4, figure, "Сумма обратных коэффициентов"},
        {lbFork, "lbFork", inWindow, {0, 0, 2100, 0}, 5, Framed | Value},
        {lbTotalCaption, "lbTotalCaption", inWindow, {}, 16},
        {lbTotal, "lbTotal", inWindow, {0, 0, 1350, 0}, 6, figure},
        {lbProfitCaption, "lbProfitCaption", inWindow, {}, 17},
        {lbProfit,
         "lbProfit",
         inWindow,
         {0, 0, 2100, 0},
         7,
         figure,
         "Наименьшая прибыль, или от наименьшей до наибольшей"},
        {lbRoiCaption, "lbRoiCaption", inWindow, {}, 18},
        {lbRoi, "lbRoi", inWindow, {0, 0, 1050, 0}, 8, figure, "Наименьшая прибыль от всей ставки"},
        {lbNote, "lbNote", inWindow, {}, 9},
        {Command1, "Command1", inWindow, {0, 0, 1200, 0}, 10, Plain, "Стереть коэффициенты, комиссии и ставки исходов"},
        {Command2, "Command2", inWindow, {0, 0, 1200, 0}, 11, DefaultButton | CancelButton},
    };
}

Arrangement ForkCalculatorWindow::arrangement()
{
    return {
        {{&lbOutcomesCaption, &Combo1, &lbSumCaption, &Text1, &lbRoundingCaption, &Combo2, gap}},
        {{&Grid1}, true},
        {{&lbMarginCaption, &lbMargin, &lbFork, gap}},
        {{&lbTotalCaption, &lbTotal, &lbProfitCaption, &lbProfit, &lbRoiCaption, &lbRoi, gap}},
        {{&lbNote}},
        {{gap, &Command1, &Command2}},
    };
}

void ForkCalculatorWindow::Form_Load()
{
    lbOutcomesCaption.setCaption("Исходов");
    lbSumCaption.setCaption("Сумма");
    lbRoundingCaption.setCaption("Округление");
    lbMarginCaption.setCaption("Сумма 1/k");
    lbTotalCaption.setCaption("Вся ставка");
    lbProfitCaption.setCaption("Прибыль");
    lbRoiCaption.setCaption("Доходность");
    Command1.setCaption("Очистить");
    Command2.setCaption("ОК");
    Grid1.setColumns({{"Коэффициент", 1200},
                      {"Комиссия, %", 1100},
                      {"Ставка", 1300},
                      {"Фикс", 600},
                      {"Прибыль", 900},
                      {"Выплата", 1300},
                      {"Результат", 1300}});
    for (int outcomes = minOutcomeRows; outcomes <= maxOutcomeRows; ++outcomes)
        Combo1.addItem(countText(outcomes));
    Combo1.setListIndex(static_cast<int>(entries_.size()) - minOutcomeRows);
    for (const RoundingStep& step : roundingSteps)
        Combo2.addItem(step.caption);
    Combo2.setListIndex(rounding_);
    Text1.setText(total_);
    showOutcomes();
    recompute();
    rows_.front()->odds.setFocus();
}

void ForkCalculatorWindow::showOutcomes()
{
    rows_.clear();
    showRows(Grid1, rows_, entries_.size(), [this](std::size_t row) { addOutcomeRow(row); });
    chainRows();
}

// A row's controls show what its entry holds and are bound only then, so
// that restoring them recomputes nothing.
void ForkCalculatorWindow::addOutcomeRow(std::size_t outcome)
{
    using enum Style;
    OutcomeRow& row = *rows_.emplace_back(std::make_unique<OutcomeRow>());
    const int at = static_cast<int>(outcome);
    const std::string n = countText(at + 1);
    Grid1.placeControl(at, 0, row.odds, "Odds" + n, Plain, "Коэффициент исхода " + n);
    Grid1.placeControl(at, 1, row.commission, "Commission" + n, Plain, "Комиссия исхода " + n);
    Grid1.placeControl(at, 2, row.stake, "Stake" + n, Plain, "Ставка исхода " + n);
    Grid1.placeControl(at, 3, row.fixed, "Fixed" + n, Plain, "Фикс исхода " + n);
    Grid1.placeControl(at, 4, row.share, "Share" + n, Plain, "Прибыль исхода " + n);
    Grid1.placeControl(at, 5, row.payout, "Payout" + n, RightAligned | Value, "Выплата исхода " + n);
    Grid1.placeControl(at, 6, row.profit, "Profit" + n, RightAligned | Value, "Результат исхода " + n);
    row.fixed.setToolTip("Ставка исхода задана, остальные и вся ставка следуют из неё");
    row.share.setToolTip("Исход делит прибыль; без галочки он только возвращает всю ставку");

    const ForkRowEntry& entry = entries_[outcome];
    row.odds.setText(entry.oddsText);
    row.commission.setText(entry.commissionText);
    row.stake.setText(entry.fixed ? entry.stakeText : "");
    row.fixed.setValue(entry.fixed ? 1 : 0);
    row.share.setValue(entry.sharesProfit ? 1 : 0);
    row.odds.onChange([this, outcome] { Odds_Change(outcome); });
    row.commission.onChange([this, outcome] { Commission_Change(outcome); });
    row.stake.onChange([this, outcome] { Stake_Change(outcome); });
    row.fixed.onClick([this, outcome] { Fixed_Click(outcome); });
    row.share.onClick([this, outcome] { Share_Click(outcome); });
}

// Tab goes from the table through each row's controls, then on to the
// results.
void ForkCalculatorWindow::chainRows()
{
    std::vector<Control*> order{&Grid1};
    for (const auto& row : rows_)
        order.insert(order.end(),
                     {&row->odds, &row->commission, &row->stake, &row->fixed, &row->share, &row->payout, &row->profit});
    order.push_back(&lbMargin);
    chainFocus(order);
}

// Rows come and go at the end; the others keep what they hold.
void ForkCalculatorWindow::Combo1_Click()
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

void ForkCalculatorWindow::Combo2_Click()
{
    rounding_ = std::max(Combo2.listIndex(), 0);
    recompute();
}

void ForkCalculatorWindow::Text1_Change()
{
    total_ = Text1.text();
    recompute();
}

void ForkCalculatorWindow::Odds_Change(std::size_t outcome)
{
    entries_[outcome].oddsText = rows_[outcome]->odds.text();
    recompute();
}

void ForkCalculatorWindow::Commission_Change(std::size_t outcome)
{
    entries_[outcome].commissionText = rows_[outcome]->commission.text();
    recompute();
}

// A stake typed into a row fixes it.
void ForkCalculatorWindow::Stake_Change(std::size_t outcome)
{
    entries_[outcome].stakeText = rows_[outcome]->stake.text();
    if (!entries_[outcome].fixed)
        fix(outcome);
    recompute();
}

// A tick set from code changes nothing; the user's takes the stake the row
// shows, and clearing it divides the sum again.
void ForkCalculatorWindow::Fixed_Click(std::size_t outcome)
{
    const bool ticked = rows_[outcome]->fixed.value() == 1;
    if (ticked == entries_[outcome].fixed)
        return;
    if (ticked)
        entries_[outcome].stakeText = rows_[outcome]->stake.text();
    fix(ticked ? std::optional(outcome) : std::nullopt);
    recompute();
}

void ForkCalculatorWindow::Share_Click(std::size_t outcome)
{
    const bool ticked = rows_[outcome]->share.value() == 1;
    if (ticked == entries_[outcome].sharesProfit)
        return;
    entries_[outcome].sharesProfit = ticked;
    recompute();
}

// Clears what the rows hold; the number of outcomes, the sum and the
// rounding stay for the next fork.
void ForkCalculatorWindow::Command1_Click()
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i] = ForkRowEntry{};
        OutcomeRow& row = *rows_[i];
        row.odds.setText("");
        row.commission.setText("");
        row.fixed.setValue(0);
        row.share.setValue(1);
    }
    rows_.front()->odds.setFocus();
    recompute();
}

// At most one row is fixed: fixing one frees the one before.
void ForkCalculatorWindow::fix(std::optional<std::size_t> outcome)
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].fixed = outcome == i;
        rows_[i]->fixed.setValue(entries_[i].fixed ? 1 : 0);
    }
}

void ForkCalculatorWindow::recompute()
{
    const ForkCalculatorCaptions captions =
        forkCalculatorCaptions(entries_, total_, roundingStep(std::size_t(rounding_)));
    bool anyFixed = false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        OutcomeRow& row = *rows_[i];
        if (entries_[i].fixed)
            anyFixed = true;
        else
            row.stake.setText(captions.rows[i].stake);
        row.payout.setCaption(captions.rows[i].payout);
        row.profit.setCaption(captions.rows[i].profit);
    }
    Text1.setEnabled(!anyFixed);
    lbMargin.setCaption(captions.margin);
    lbFork.setCaption(captions.fork);
    lbTotal.setCaption(captions.total);
    lbProfit.setCaption(captions.profit);
    lbRoi.setCaption(captions.roi);
    lbNote.setCaption(captions.note);
}

} // namespace zoret::ui
