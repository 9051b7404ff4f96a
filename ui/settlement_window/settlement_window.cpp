// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settlement_window/settlement_window.h"

#include "core/exact_decimal.h"
#include "ui/journal_access/journal_access.h"

#include <algorithm>

namespace zoret::ui {

namespace {

constexpr std::string_view breaksEvenNote = "безубыточно";

} // namespace

SettlementWindow::SettlementWindow() : Form("Form3", "Расчёт ставки", 9600, 6720)
{
    Combo1.onClick([this] { Combo1_Click(); });
    Text1.onChange([this] { Text1_Change(); });
    Option1.onClick([this] { Option1_Click(); });
    Option2.onClick([this] { Option2_Click(); });
    Command1.onClick([this] { unload(); });
    Command2.onClick([this] { Command2_Click(); });
    // A result label is named by what it shows ("Выплата") and reads out its
    // value, so that a screen reader meets no nameless label while it is
    // empty.
    lbLinesCaption.names(lbLines);
    lbLineStakeCaption.names(lbLineStake);
    lbTotalStakeCaption.names(lbTotalStake);
    lbWinningCaption.names(lbWinning);
    lbReturnCaption.names(lbReturn);
    lbProfitCaption.names(lbProfit);
}

Layout SettlementWindow::layout()
{
    using enum Style;
    const Style value = RightAligned | Framed | SingleLine;
    return {
        {Grid1, "Grid1", inWindow, {120, 120, 9360, 2040}, 0, Plain, "События и их итоги"},
        {lbBetCaption, "lbBetCaption", inWindow, {120, 2310, 1200, 255}, 7},
        {Combo1, "Combo1", inWindow, {1440, 2280, 3120, 315}, 1, Plain, "Вид ставки"},
        {lbSumCaption, "lbSumCaption", inWindow, {120, 2700, 1200, 255}, 8},
        {Text1, "Text1", inWindow, {1440, 2670, 3120, 285}, 2, Plain, "Сумма ставки"},
        {Option1, "Option1", inWindow, {1440, 3060, 1440, 255}, 3},
        {Option2, "Option2", inWindow, {2880, 3060, 1680, 255}, 4},
        {lbLinesCaption, "lbLinesCaption", inWindow, {4800, 2280, 1800, 285}, 9},
        {lbLines, "lbLines", inWindow, {6720, 2280, 2760, 285}, 10, value},
        {lbLineStakeCaption, "lbLineStakeCaption", inWindow, {4800, 2640, 1800, 285}, 11},
        {lbLineStake, "lbLineStake", inWindow, {6720, 2640, 2760, 285}, 12, value},
        {lbTotalStakeCaption, "lbTotalStakeCaption", inWindow, {4800, 3000, 1800, 285}, 13},
        {lbTotalStake, "lbTotalStake", inWindow, {6720, 3000, 2760, 285}, 14, value},
        {lbWinningCaption, "lbWinningCaption", inWindow, {4800, 3360, 1800, 285}, 15},
        {lbWinning, "lbWinning", inWindow, {6720, 3360, 2760, 285}, 16, value},
        {lbReturnCaption, "lbReturnCaption", inWindow, {4800, 3720, 1800, 285}, 17},
        {lbReturn, "lbReturn", inWindow, {6720, 3720, 2760, 285}, 18, value},
        {lbProfitCaption, "lbProfitCaption", inWindow, {4800, 4080, 1800, 285}, 19},
        {lbProfit, "lbProfit", inWindow, {6720, 4080, 2760, 285}, 20, value},
        {Grid2, "Grid2", inWindow, {120, 4500, 9360, 1620}, 5, Plain, "Выплата, если выиграет часть ожидаемых событий"},
        // Command2 shares Command1's tab index and comes first: Tab reaches it
        // right before Command1 and every other index stays. Enter still
        // clicks "ОК", never saves.
        {Command2, "Command2", inWindow, {6960, 6240, 1200, 375}, 6, Plain, "Сохранить ставку в журнале"},
        {Command1, "Command1", inWindow, {8280, 6240, 1200, 375}, 6, DefaultButton | CancelButton},
    };
}

void SettlementWindow::Form_Load()
{
    lbBetCaption.setCaption("Ставка");
    lbSumCaption.setCaption("Сумма");
    Option1.setCaption("на вариант");
    Option2.setCaption("на всю ставку");
    lbLinesCaption.setCaption("Вариантов");
    lbLineStakeCaption.setCaption("Ставка на вариант");
    lbTotalStakeCaption.setCaption("Вся ставка");
    lbWinningCaption.setCaption("Выиграло вариантов");
    lbReturnCaption.setCaption("Выплата");
    lbProfitCaption.setCaption("Прибыль");
    Command1.setCaption("ОК");
    Command2.setCaption(editing_ ? "Сохранить" : "В журнал");
    Command2.setEnabled(writable_);
    Grid1.setColumns(
        {{"Коэффициент", 1350}, {"Событие", 3000}, {"Итог", 2250}, {"Коэф. закрытия", 1500}, {"Фикс", 750}});
    Grid2.setColumns(
        {{"Выиграют", 1200}, {"Выплата от", 1950}, {"Выплата до", 1950}, {"Прибыль от", 1950}, {"Прибыль до", 1950}});
    fillEvents();
    fillBets();
    Text1.setText(sum_);
    // Setting an option runs its Click, which shows the results.
    if (mode_ == SumMode::PerLine)
        Option1.setValue(true);
    else
        Option2.setValue(true);
}

void SettlementWindow::showFor(std::vector<std::string> listTexts, QWidget* parent)
{
    const bool sameList =
        std::equal(listTexts.begin(), listTexts.end(), slip_.begin(), slip_.end(),
                   [](const std::string& text, const SlipEntry& entry) { return text == entry.coefficientText; });
    if (!sameList)
        startAfresh(std::move(listTexts));
    showModal(parent);
}

void SettlementWindow::showBet(const JournalBet& bet, JournalAccess& journal, bool writable, QWidget* parent)
{
    slip_.clear();
    texts_.clear();
    for (const JournalEvent& event : bet.events) {
        slip_.push_back({event.coefficientText, event.outcome, event.banker});
        texts_.push_back({event.description, event.closingText});
    }
    bet_ = bet.bet;
    sum_ = bet.sumText;
    mode_ = bet.sumMode;
    journal_ = &journal;
    editing_ = bet;
    writable_ = writable;
    showModal(parent);
}

// The slip as it stands; a bet of the journal keeps its date, bookmaker and
// note.
JournalBet SettlementWindow::slipAsBet() const
{
    JournalBet bet = editing_.value_or(JournalBet{});
    bet.bet = bet_;
    bet.sumText = sum_;
    bet.sumMode = mode_;
    bet.events.resize(slip_.size());
    for (std::size_t i = 0; i < slip_.size(); ++i) {
        bet.events[i].coefficientText = slip_[i].coefficientText;
        bet.events[i].outcome = slip_[i].outcome;
        bet.events[i].banker = slip_[i].banker;
        bet.events[i].description = texts_[i].description;
        bet.events[i].closingText = texts_[i].closing;
    }
    return bet;
}

void SettlementWindow::Command2_Click()
{
    if (!journal_)
        return;
    if (editing_ ? journal_->updateAsked(slipAsBet(), window()) : journal_->addAsked(slipAsBet(), window()).has_value())
        unload();
}

void SettlementWindow::startAfresh(std::vector<std::string> listTexts)
{
    slip_.clear();
    for (std::string& text : listTexts)
        slip_.push_back(SlipEntry{std::move(text)});
    texts_.assign(slip_.size(), EventTexts{});
    bet_ = Bet{};
    sum_.clear();
    mode_ = SumMode::PerLine;
}

// One row per event: its coefficient, what it is, its result, its closing
// odds (typed once the bet is in the journal) and its banker tick, shown as
// kept and bound only then, so that restoring them recomputes nothing.
void SettlementWindow::fillEvents()
{
    eventRows_.clear();
    Grid1.setRowCount(static_cast<int>(slip_.size()));
    for (std::size_t i = 0; i < slip_.size(); ++i) {
        const int row = static_cast<int>(i);
        auto& controls = *eventRows_.emplace_back(std::make_unique<EventRow>());
        const std::string n = countText(row + 1);
        Grid1.setText(row, 0, slip_[i].coefficientText);
        Grid1.placeControl(row, 1, controls.event, "Event" + n);
        Grid1.placeControl(row, 2, controls.result, "Result" + n);
        Grid1.placeControl(row, 3, controls.closing, "Closing" + n);
        Grid1.placeControl(row, 4, controls.fix, "Fix" + n);
        controls.event.setText(texts_[i].description);
        controls.closing.setText(texts_[i].closing);
        controls.closing.setEnabled(editing_.has_value());
        controls.event.onChange([this, i] { texts_[i].description = eventRows_[i]->event.text(); });
        controls.closing.onChange([this, i] { texts_[i].closing = eventRows_[i]->closing.text(); });
        for (Outcome outcome : outcomeOrder)
            controls.result.addItem(outcomeCaption(outcome));
        const auto* chosen = std::find(std::begin(outcomeOrder), std::end(outcomeOrder), slip_[i].outcome);
        controls.result.setListIndex(static_cast<int>(chosen - std::begin(outcomeOrder)));
        controls.fix.setValue(slip_[i].banker ? 1 : 0);
        controls.result.onClick([this, i] { Result_Click(i); });
        controls.fix.onClick([this, i] { Fix_Click(i); });
    }
}

int SettlementWindow::bankerCount() const
{
    return static_cast<int>(std::count_if(slip_.begin(), slip_.end(), [](const SlipEntry& e) { return e.banker; }));
}

// The bets the marks allow, keeping the chosen one where it is still offered.
void SettlementWindow::fillBets()
{
    const int events = static_cast<int>(slip_.size());
    const int bankers = bankerCount();
    bets_ = offeredBets(events, bankers);
    Combo1.clear();
    for (const Bet& bet : bets_)
        Combo1.addItem(betCaption(bet, events - bankers));
    const std::size_t kept = keptBet(bets_, bet_);
    Combo1.setListIndex(static_cast<int>(kept));
    if (kept < bets_.size())
        bet_ = bets_[kept];
}

void SettlementWindow::Result_Click(std::size_t event)
{
    const int chosen = eventRows_[event]->result.listIndex();
    if (chosen < 0)
        return;
    slip_[event].outcome = outcomeOrder[chosen];
    recompute();
}

void SettlementWindow::Fix_Click(std::size_t event)
{
    slip_[event].banker = eventRows_[event]->fix.value() == 1;
    fillBets();
    recompute();
}

void SettlementWindow::Combo1_Click()
{
    const int chosen = Combo1.listIndex();
    if (chosen < 0)
        return;
    bet_ = bets_[static_cast<std::size_t>(chosen)];
    recompute();
}

void SettlementWindow::Text1_Change()
{
    sum_ = Text1.text();
    recompute();
}

void SettlementWindow::Option1_Click()
{
    mode_ = SumMode::PerLine;
    recompute();
}

void SettlementWindow::Option2_Click()
{
    mode_ = SumMode::WholeBet;
    recompute();
}

void SettlementWindow::recompute()
{
    // The main window opens this one for one event or more, which always
    // offers a bet.
    if (bets_.empty())
        return;
    const SettlementCaptions captions = settlementCaptions(slip_, bet_, sum_, mode_);
    showCaptions(captions);
    showWhatIf(captions.whatIf);
}

void SettlementWindow::showCaptions(const SettlementCaptions& captions)
{
    lbLines.setCaption(captions.lines);
    lbLineStake.setCaption(captions.lineStake);
    lbTotalStake.setCaption(captions.totalStake);
    lbWinning.setCaption(captions.linesWon);
    lbReturn.setCaption(captions.payout);
    lbProfit.setCaption(captions.profit);
}

void SettlementWindow::showWhatIf(const std::vector<WhatIfRow>& rows)
{
    Grid2.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const WhatIfRow& r = rows[i];
        const std::string* cells[] = {&r.winners, &r.payoutLeast, &r.payoutMost, &r.profitLeast, &r.profitMost};
        for (int column = 0; column < 5; ++column)
            Grid2.setText(row, column, *cells[column]);
        Grid2.markRow(row, r.breaksEven, breaksEvenNote);
    }
}

} // namespace zoret::ui
