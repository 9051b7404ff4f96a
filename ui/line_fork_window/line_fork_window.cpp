// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/line_fork_window/line_fork_window.h"

#include "core/exact_decimal.h"
#include "core/line_fork.h"
#include "core/line_fork_captions.h"
#include "core/rounding_steps.h"
#include "ui/toolkit/message_box.h"

namespace zoret::ui {

LineForkWindow::LineForkWindow(FittedModel fittedModel)
    : Form("Form9", "Вилки на форах и тоталах", 10800, 8400, Sizing::Resizable), entries_(minLineForkBets),
      fittedModel_(std::move(fittedModel))
{
    Combo1.onClick([this] { Combo1_Click(); });
    Combo2.onClick([this] { Combo2_Click(); });
    Text1.onChange([this] { sum_ = Text1.text(), recompute(); });
    // Goals typed are plain Poisson: the correction of a model stays with
    // the model's own goals.
    Text2.onChange([this] { homeGoals_ = Text2.text(), rho_ = 0, recompute(); });
    Text3.onChange([this] { awayGoals_ = Text3.text(), rho_ = 0, recompute(); });
    Command3.onClick([this] { Command3_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { unload(); });
    lbBetsCaption.names(Combo1);
    lbSumCaption.names(Text1);
    lbRoundingCaption.names(Combo2);
    lbHomeGoalsCaption.names(Text2);
    lbAwayGoalsCaption.names(Text3);
    lbTotalCaption.names(lbTotal);
    lbProfitCaption.names(lbProfit);
    lbVerdict.setReaderName("Вилка");
    lbExpected.setReaderName("Матожидание");
    lbNote.setReaderName("Замечание");
}

LineForkWindow::~LineForkWindow() = default;

Layout LineForkWindow::layout()
{
    using enum Style;
    const Style figure = RightAligned | Framed | Value;
    return {
        {lbBetsCaption, "lbBetsCaption", inWindow, {}, 15},
        {Combo1, "Combo1", inWindow, {0, 0, 750, 0}, 0},
        {lbSumCaption, "lbSumCaption", inWindow, {}, 16},
        {Text1, "Text1", inWindow, {0, 0, 1500, 0}, 1, Plain, "Сумма: ставки и ответственность лэев"},
        {lbRoundingCaption, "lbRoundingCaption", inWindow, {}, 17},
        {Combo2, "Combo2", inWindow, {0, 0, 900, 0}, 2, Plain, "Шаг, кратными которому становятся ставки"},
        {Grid1, "Grid1", inWindow, {0, 0, 0, 2400}, 3, Plain, "Ставки"},
        {lbHomeGoalsCaption, "lbHomeGoalsCaption", inWindow, {}, 18},
        {Text2, "Text2", inWindow, {0, 0, 900, 0}, 4, Plain, "Ожидаемые голы хозяев"},
        {lbAwayGoalsCaption, "lbAwayGoalsCaption", inWindow, {}, 19},
        {Text3, "Text3", inWindow, {0, 0, 900, 0}, 5, Plain, "Ожидаемые голы гостей"},
        {Command3, "Command3", inWindow, {0, 0, 1300, 0}, 6, Plain, "Ожидаемые голы и ρ из модели матча"},
        {lbRho, "lbRho", inWindow, {0, 0, 1300, 0}, 23, Value, "Поправка модели ρ"},
        {Grid2, "Grid2", inWindow, {0, 0, 0, 2400}, 7, Plain, "Исходы"},
        {lbTotalCaption, "lbTotalCaption", inWindow, {}, 20},
        {lbTotal, "lbTotal", inWindow, {0, 0, 1350, 0}, 8, figure},
        {lbProfitCaption, "lbProfitCaption", inWindow, {}, 21},
        {lbProfit,
         "lbProfit",
         inWindow,
         {0, 0, 2100, 0},
         9,
         figure,
         "Наименьший результат, или от наименьшего до наибольшего"},
        {lbVerdict, "lbVerdict", inWindow, {0, 0, 3300, 0}, 10, Framed | Value},
        {lbExpected, "lbExpected", inWindow, {0, 0, 3300, 0}, 11, Framed | Value},
        {lbNote, "lbNote", inWindow, {}, 12},
        {Command1, "Command1", inWindow, {0, 0, 1200, 0}, 13, Plain, "Стереть рынки, линии, коэффициенты и ставки"},
        {Command2, "Command2", inWindow, {0, 0, 1200, 0}, 14, DefaultButton | CancelButton},
    };
}

Arrangement LineForkWindow::arrangement()
{
    return {
        {{&lbBetsCaption, &Combo1, &lbSumCaption, &Text1, &lbRoundingCaption, &Combo2, gap}},
        {{&Grid1}, true},
        {{&lbHomeGoalsCaption, &Text2, &lbAwayGoalsCaption, &Text3, &Command3, &lbRho, gap}},
        {{&Grid2}, true},
        {{&lbTotalCaption, &lbTotal, &lbProfitCaption, &lbProfit, gap}},
        {{&lbVerdict, &lbExpected, gap}},
        {{&lbNote}},
        {{gap, &Command1, &Command2}},
    };
}

void LineForkWindow::Form_Load()
{
    lbBetsCaption.setCaption("Ставок");
    lbSumCaption.setCaption("Сумма");
    lbRoundingCaption.setCaption("Округление");
    lbHomeGoalsCaption.setCaption("Ожидаемые голы: хозяева");
    lbAwayGoalsCaption.setCaption("гости");
    lbTotalCaption.setCaption("Вся сумма");
    lbProfitCaption.setCaption("Результат");
    Command1.setCaption("Очистить");
    Command2.setCaption("ОК");
    Command3.setCaption("Из модели");
    Grid1.setColumns({{"Рынок", 1000},
                      {"Линия", 900},
                      {"Коэффициент", 1200},
                      {"Комиссия, %", 1100},
                      {"Лэй", 600},
                      {"Ставка", 1300},
                      {"Фикс", 600},
                      {"Ответственность", 1500}});
    Grid2.setColumns({{"Исход", 4200}, {"Выплата", 1300}, {"Результат", 1300}, {"Вероятность", 1300}});
    for (int bets = minLineForkBets; bets <= maxLineForkBets; ++bets)
        Combo1.addItem(countText(bets));
    Combo1.setListIndex(static_cast<int>(entries_.size()) - minLineForkBets);
    for (const RoundingStep& step : roundingSteps)
        Combo2.addItem(step.caption);
    Combo2.setListIndex(rounding_);
    Text1.setText(sum_);
    Text2.setText(homeGoals_);
    Text3.setText(awayGoals_);
    showBets();
    recompute();
    rows_.front()->market.setFocus();
}

void LineForkWindow::showBets()
{
    rows_.clear();
    showRows(Grid1, rows_, entries_.size(), [this](std::size_t row) { addBetRow(row); });
    chainRows();
}

// A row's controls show what its entry holds and are bound only then, so
// that restoring them recomputes nothing.
void LineForkWindow::addBetRow(std::size_t bet)
{
    using enum Style;
    BetRow& row = *rows_.emplace_back(std::make_unique<BetRow>());
    const int at = static_cast<int>(bet);
    const std::string n = countText(at + 1);
    Grid1.placeControl(at, 0, row.market, "Market" + n, Plain, "Рынок ставки " + n);
    Grid1.placeControl(at, 1, row.line, "Line" + n, Plain, "Линия ставки " + n);
    Grid1.placeControl(at, 2, row.odds, "Odds" + n, Plain, "Коэффициент ставки " + n);
    Grid1.placeControl(at, 3, row.commission, "Commission" + n, Plain, "Комиссия ставки " + n);
    Grid1.placeControl(at, 4, row.lay, "Lay" + n, Plain, "Лэй ставки " + n);
    Grid1.placeControl(at, 5, row.stake, "Stake" + n, Plain, "Ставка " + n);
    Grid1.placeControl(at, 6, row.fixed, "Fixed" + n, Plain, "Фикс ставки " + n);
    Grid1.placeControl(at, 7, row.liability, "Liability" + n, RightAligned | Value, "Ответственность ставки " + n);
    row.lay.setToolTip("Ставка против исхода на бирже по этому коэффициенту");
    row.fixed.setToolTip("Ставка задана, остальные и вся сумма следуют из неё");

    const LineForkRowEntry& entry = entries_[bet];
    for (Market market : allMarkets)
        row.market.addItem(marketName(market));
    row.market.setListIndex(static_cast<int>(entry.market));
    row.line.setText(entry.lineText);
    row.line.setEnabled(marketHasLine(entry.market));
    row.odds.setText(entry.oddsText);
    row.commission.setText(entry.commissionText);
    row.stake.setText(entry.fixed ? entry.stakeText : "");
    row.lay.setValue(entry.lay ? 1 : 0);
    row.fixed.setValue(entry.fixed ? 1 : 0);
    row.market.onClick([this, bet] { Market_Click(bet); });
    row.line.onChange([this, bet] { entries_[bet].lineText = rows_[bet]->line.text(), recompute(); });
    row.odds.onChange([this, bet] { entries_[bet].oddsText = rows_[bet]->odds.text(), recompute(); });
    row.commission.onChange([this, bet] { entries_[bet].commissionText = rows_[bet]->commission.text(), recompute(); });
    row.stake.onChange([this, bet] { Stake_Change(bet); });
    row.lay.onClick([this, bet] { Lay_Click(bet); });
    row.fixed.onClick([this, bet] { Fixed_Click(bet); });
}

// Tab goes from the table through each row's controls, then on.
void LineForkWindow::chainRows()
{
    std::vector<Control*> order{&Grid1};
    for (const auto& row : rows_)
        order.insert(order.end(), {&row->market, &row->line, &row->odds, &row->commission, &row->lay, &row->stake,
                                   &row->fixed, &row->liability});
    order.push_back(&Text2);
    chainFocus(order);
}

// Rows come and go at the end; the others keep what they hold.
void LineForkWindow::Combo1_Click()
{
    const int chosen = Combo1.listIndex();
    if (chosen < 0)
        return;
    const auto bets = static_cast<std::size_t>(chosen + minLineForkBets);
    entries_.resize(bets);
    showRows(Grid1, rows_, bets, [this](std::size_t row) { addBetRow(row); });
    chainRows();
    recompute();
}

void LineForkWindow::Combo2_Click()
{
    rounding_ = std::max(Combo2.listIndex(), 0);
    recompute();
}

// The six results of the match have no line: its box is off.
void LineForkWindow::Market_Click(std::size_t bet)
{
    const int chosen = rows_[bet]->market.listIndex();
    if (chosen < 0)
        return;
    entries_[bet].market = allMarkets[static_cast<std::size_t>(chosen)];
    rows_[bet]->line.setEnabled(marketHasLine(entries_[bet].market));
    recompute();
}

// A stake typed into a row fixes it.
void LineForkWindow::Stake_Change(std::size_t bet)
{
    entries_[bet].stakeText = rows_[bet]->stake.text();
    if (!entries_[bet].fixed)
        fix(bet);
    recompute();
}

void LineForkWindow::Lay_Click(std::size_t bet)
{
    const bool ticked = rows_[bet]->lay.value() == 1;
    if (ticked == entries_[bet].lay)
        return;
    entries_[bet].lay = ticked;
    recompute();
}

// A tick set from code changes nothing; the user's takes the stake the row
// shows, and clearing it divides the sum again.
void LineForkWindow::Fixed_Click(std::size_t bet)
{
    const bool ticked = rows_[bet]->fixed.value() == 1;
    if (ticked == entries_[bet].fixed)
        return;
    if (ticked)
        entries_[bet].stakeText = rows_[bet]->stake.text();
    fix(ticked ? std::optional(bet) : std::nullopt);
    recompute();
}

// Clears what the rows hold; the number of bets, the sum and the rounding
// stay for the next fork.
void LineForkWindow::Command1_Click()
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i] = LineForkRowEntry{};
        BetRow& row = *rows_[i];
        row.market.setListIndex(0);
        row.line.setText("");
        row.line.setEnabled(false);
        row.odds.setText("");
        row.commission.setText("");
        row.lay.setValue(0);
        row.fixed.setValue(0);
    }
    rows_.front()->market.setFocus();
    recompute();
}

// At most one row is fixed: fixing one frees the one before.
void LineForkWindow::fix(std::optional<std::size_t> bet)
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].fixed = bet == i;
        rows_[i]->fixed.setValue(entries_[i].fixed ? 1 : 0);
    }
}

void LineForkWindow::recompute()
{
    const LineForkCaptions captions = lineForkCaptions(
        entries_, sum_, roundingStep(static_cast<std::size_t>(rounding_)), homeGoals_, awayGoals_, rho_);
    bool anyFixed = false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        BetRow& row = *rows_[i];
        if (entries_[i].fixed)
            anyFixed = true;
        else
            row.stake.setText(captions.rows[i].stake);
        row.liability.setCaption(captions.rows[i].liability);
    }
    Text1.setEnabled(!anyFixed);
    showOutcomes(captions);
    lbTotal.setCaption(captions.total);
    lbProfit.setCaption(captions.profit);
    lbVerdict.setCaption(captions.verdict);
    lbExpected.setCaption(captions.expected);
    lbNote.setCaption(captions.note);
    lbRho.setCaption(rho_ == 0 ? "" : captions.rho);
}

void LineForkWindow::Command3_Click()
{
    const auto model = fittedModel_ ? fittedModel_() : std::nullopt;
    if (!model) {
        MsgBox(window(), "Модели ещё нет: подберите её в окне «Расчёты → Модель матча...».", MsgBoxIcon::Information);
        return;
    }
    homeGoals_ = expectedGoalsText(model->lambda1);
    awayGoals_ = expectedGoalsText(model->lambda2);
    rho_ = model->rho;
    Text2.setText(homeGoals_);
    Text3.setText(awayGoals_);
    recompute();
}

// One row per class of scores, those where the bettor wins in bold.
void LineForkWindow::showOutcomes(const LineForkCaptions& captions)
{
    Grid2.setRowCount(static_cast<int>(captions.outcomes.size()));
    for (std::size_t j = 0; j < captions.outcomes.size(); ++j) {
        const auto& outcome = captions.outcomes[j];
        const int at = static_cast<int>(j);
        Grid2.setText(at, 0, outcome.caption);
        Grid2.setText(at, 1, outcome.payout);
        Grid2.setText(at, 2, outcome.result);
        Grid2.setText(at, 3, outcome.probability);
        Grid2.markRow(at, outcome.wins, "выигрыш");
    }
}

} // namespace zoret::ui
