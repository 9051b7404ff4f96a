// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/journal_window/journal_window.h"

#include "core/exact_decimal.h"
#include "ui/toolkit/clock.h"
#include "ui/toolkit/file_dialog.h"
#include "ui/toolkit/message_box.h"

#include <algorithm>

namespace zoret::ui {

namespace {

constexpr const char* csvFilter = "Таблицы CSV (*.csv)";

// The bets read before the window is first shown: more than a screen holds.
constexpr int firstRows = 200;

constexpr const char* averageTip = "Средний коэффициент рассчитанных ординаров и экспрессов; системы не входят";

enum Column {
    DateColumn,
    BookmakerColumn,
    BetColumn,
    EventsColumn,
    CoefficientColumn,
    StakeColumn,
    StatusColumn,
    PayoutColumn,
    ProfitColumn,
    ClvColumn
};

// A bet without a value sorts before every one with a value.
int compareClv(const BetFigures& x, const BetFigures& y)
{
    if (!x.clv || !y.clv)
        return int(x.clv.has_value()) - int(y.clv.has_value());
    return cmp(*x.clv, *y.clv);
}

} // namespace

JournalWindow::JournalWindow(JournalAccess& journal, BetEditor editor, MovementsOpener movements)
    : Form("Form6", "Журнал ставок", 11400, 8400, Sizing::Resizable), journal_(journal), editor_(std::move(editor)),
      openMovements_(std::move(movements))
{
    // Whichever window changed the journal, what is shown follows.
    journal_.onChange([this] {
        if (isLoaded() && !reading_)
            reload();
    });
    rememberSizeAs("journal/size");
    Combo1.onClick([this] { Combo1_Click(); });
    Combo2.onClick([this] { Combo2_Click(); });
    Combo3.onClick([this] { Combo3_Click(); });
    DateFrom.onChange([this] { Dates_Change(); });
    DateTo.onChange([this] { Dates_Change(); });
    Grid1.onActivate([this] { Command1_Click(); });
    Grid1.onSelectionChange([this] { enableCommands(); });
    Command1.onClick([this] { Command1_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    Command2.onClick([this] { unload(); });
    lbPeriodCaption.names(Combo1);
    lbBookmakerCaption.names(Combo2);
    lbStatusCaption.names(Combo3);
    lbFromCaption.names(DateFrom);
    lbToCaption.names(DateTo);
    // "с" and "по" alone would tell a screen reader's user nothing.
    DateFrom.setReaderName("Период с");
    DateTo.setReaderName("Период по");
    lbCountCaption.names(lbCount);
    lbSettledCaption.names(lbSettled);
    lbTurnoverCaption.names(lbTurnover);
    lbProfitCaption.names(lbProfit);
    lbRoiCaption.names(lbRoi);
    lbStrikeCaption.names(lbStrike);
    lbAverageCaption.names(lbAverage);
    lbClvCaption.names(lbClv);
    lbBeatCloseCaption.names(lbBeatClose);
    lbDrawdownCaption.names(lbDrawdown);
    lbBalanceCaption.names(lbBalance);
}

JournalWindow::~JournalWindow() = default;

Layout JournalWindow::layout()
{
    using enum Style;
    const Style figure = RightAligned | Framed | Value;
    return {
        {lbPeriodCaption, "lbPeriodCaption", inWindow, {}, 12},
        {Combo1, "Combo1", inWindow, {0, 0, 2400, 0}, 0},
        {lbFromCaption, "lbFromCaption", inWindow, {}, 13},
        {DateFrom, "DateFrom", inWindow, {0, 0, 1500, 0}, 1, Plain, "Первый день периода"},
        {lbToCaption, "lbToCaption", inWindow, {}, 14},
        {DateTo, "DateTo", inWindow, {0, 0, 1500, 0}, 2, Plain, "Последний день периода"},
        {lbBookmakerCaption, "lbBookmakerCaption", inWindow, {}, 15},
        {Combo2, "Combo2", inWindow, {0, 0, 2400, 0}, 3},
        {lbStatusCaption, "lbStatusCaption", inWindow, {}, 16},
        {Combo3, "Combo3", inWindow, {0, 0, 1800, 0}, 4},
        {Grid1, "Grid1", inWindow, {0, 0, 0, 2400}, 5, Plain, "Ставки журнала"},
        {lbCountCaption, "lbCountCaption", inWindow, {}, 17},
        {lbCount, "lbCount", inWindow, {0, 0, 900, 0}, 18, figure, "Ставок по выбору"},
        {lbSettledCaption, "lbSettledCaption", inWindow, {}, 19},
        {lbSettled, "lbSettled", inWindow, {0, 0, 900, 0}, 20, figure, "Ставок с известным итогом"},
        {lbTurnoverCaption, "lbTurnoverCaption", inWindow, {}, 21},
        {lbTurnover, "lbTurnover", inWindow, {0, 0, 1500, 0}, 22, figure, "Все суммы рассчитанных ставок"},
        {lbProfitCaption, "lbProfitCaption", inWindow, {}, 23},
        {lbProfit, "lbProfit", inWindow, {0, 0, 1500, 0}, 24, figure, "Прибыль рассчитанных ставок"},
        {lbRoiCaption, "lbRoiCaption", inWindow, {}, 25},
        {lbRoi, "lbRoi", inWindow, {0, 0, 1200, 0}, 26, figure, "Прибыль от оборота"},
        {lbStrikeCaption, "lbStrikeCaption", inWindow, {}, 27},
        {lbStrike, "lbStrike", inWindow, {0, 0, 1200, 0}, 28, figure, "Доля ставок, вернувших больше суммы"},
        {lbAverageCaption, "lbAverageCaption", inWindow, {}, 29},
        {lbAverage, "lbAverage", inWindow, {0, 0, 1200, 0}, 30, figure, averageTip},
        {lbClvCaption, "lbClvCaption", inWindow, {}, 31},
        {lbClv, "lbClv", inWindow, {0, 0, 1200, 0}, 32, figure, "Средняя по суммам выгода против коэф. закрытия"},
        {lbBeatCloseCaption, "lbBeatCloseCaption", inWindow, {}, 33},
        {lbBeatClose, "lbBeatClose", inWindow, {0, 0, 1200, 0}, 34, figure, "Доля ставок с коэф. выше закрытия"},
        {lbDrawdownCaption, "lbDrawdownCaption", inWindow, {}, 35},
        {lbDrawdown, "lbDrawdown", inWindow, {0, 0, 1500, 0}, 36, figure, "Наибольшее падение прибыли от пика"},
        {lbBalanceCaption, "lbBalanceCaption", inWindow, {}, 37},
        {lbBalance, "lbBalance", inWindow, {0, 0, 1500, 0}, 38, figure, "Пополнения без выводов и итоги ставок"},
        {Chart1, "Chart1", inWindow, {0, 0, 0, 2400}, 39, Plain, "Прибыль нарастающим итогом по датам"},
        {Command1, "Command1", inWindow, {0, 0, 1200, 0}, 6, Plain, "Открыть ставку в расчёте ставки"},
        {Command3, "Command3", inWindow, {0, 0, 1200, 0}, 7, Plain, "Удалить выбранные ставки"},
        {Command4, "Command4", inWindow, {0, 0, 1200, 0}, 8, Plain, "Записать показанные ставки в файл CSV"},
        {Command5, "Command5", inWindow, {0, 0, 1200, 0}, 9, Plain, "Добавить ставки из файла CSV"},
        {Command6, "Command6", inWindow, {0, 0, 1200, 0}, 10, Plain, "Пополнения и выводы средств"},
        {Command2, "Command2", inWindow, {0, 0, 1200, 0}, 11, CancelButton},
    };
}

Arrangement JournalWindow::arrangement()
{
    return {
        {{&lbPeriodCaption, &Combo1, &lbFromCaption, &DateFrom, &lbToCaption, &DateTo, gap}},
        {{&lbBookmakerCaption, &Combo2, &lbStatusCaption, &Combo3, gap}},
        {{&Grid1}, true},
        {{&lbCountCaption, &lbCount, &lbSettledCaption, &lbSettled, &lbTurnoverCaption, &lbTurnover, &lbProfitCaption,
          &lbProfit, gap}},
        {{&lbRoiCaption, &lbRoi, &lbStrikeCaption, &lbStrike, &lbAverageCaption, &lbAverage, gap}},
        {{&lbClvCaption, &lbClv, &lbBeatCloseCaption, &lbBeatClose, &lbDrawdownCaption, &lbDrawdown, &lbBalanceCaption,
          &lbBalance, gap}},
        {{&Chart1}, true},
        {{&Command1, &Command3, &Command4, &Command5, &Command6, gap, &Command2}},
    };
}

void JournalWindow::Form_Load()
{
    lbPeriodCaption.setCaption("Период");
    lbBookmakerCaption.setCaption("Букмекер");
    lbStatusCaption.setCaption("Статус");
    lbFromCaption.setCaption("с");
    lbToCaption.setCaption("по");
    lbCountCaption.setCaption("Ставок");
    lbSettledCaption.setCaption("Рассчитано");
    lbTurnoverCaption.setCaption("Оборот");
    lbProfitCaption.setCaption("Прибыль");
    lbRoiCaption.setCaption("Доходность");
    lbStrikeCaption.setCaption("Проходимость");
    lbAverageCaption.setCaption("Средний коэф.");
    lbAverageCaption.setToolTip(averageTip);
    lbClvCaption.setCaption("CLV");
    lbBeatCloseCaption.setCaption("Лучше закрытия");
    lbDrawdownCaption.setCaption("Макс. просадка");
    lbBalanceCaption.setCaption("Баланс");
    Command1.setCaption("Открыть...");
    Command3.setCaption("Удалить");
    Command4.setCaption("Экспорт...");
    Command5.setCaption("Импорт...");
    Command6.setCaption("Движения...");
    Command2.setCaption("Закрыть");
    Grid1.setColumns({{"Дата", 1500},
                      {"Букмекер", 1400},
                      {"Ставка", 1500},
                      {"События", 2000},
                      {"Коэф.", 800, true},
                      {"Сумма", 900, true},
                      {"Статус", 1100},
                      {"Выплата", 1400, true},
                      {"Прибыль", 1400, true},
                      {"CLV", 900, true}},
                     "journal/columns");
    for (JournalPeriod period : periodOrder)
        Combo1.addItem(periodCaption(period));
    Combo1.setListIndex(entryOf(periodOrder, filter_.period));
    for (StatusFilter status : statusOrder)
        Combo3.addItem(statusFilterCaption(status));
    Combo3.setListIndex(entryOf(statusOrder, filter_.status));
    showDates();
    // A journal of many bets shows its newest at once and the rest, with
    // the statistics, once the window is on screen.
    if (reload(firstRows) && !whole_)
        afterFirstPaint([this] { reload(); });
    Grid1.setFocus();
}

void JournalWindow::showJournal(QWidget* parent)
{
    if (journal_.open(parent))
        showModal(parent);
    // A closed window holds no bets: they are read again when it opens.
    bets_ = {}, figures_ = {}, kept_ = {}, texts_ = {}, movements_ = {};
}

// Everything from the file again, or only the newest bets, keeping the
// filter where it still applies; false once the user has been told why the
// journal could not be read.
bool JournalWindow::reload(std::optional<int> newest)
{
    reading_ = true;
    journal::JournalStore* store = journal_.open(window());
    writable_ = store && store->canWrite();
    auto journal = store ? store->summaries(newest) : std::nullopt;
    auto movements = journal ? store->movements() : std::nullopt;
    reading_ = false;
    if (store && (!journal || !movements))
        MsgBox(window(), store->message(), MsgBoxIcon::Warning);
    movements_ = std::move(movements).value_or(std::vector<BankMovement>{});
    JournalSummaries read = std::move(journal).value_or(JournalSummaries{});
    bets_ = std::move(read.bets);
    figures_ = std::move(read.figures);
    whole_ = !newest || bets_.size() < static_cast<std::size_t>(*newest);
    fillBookmakers();
    refilter();
    return journal.has_value();
}

// Until every bet is read, the bookmaker chosen stays offered.
void JournalWindow::fillBookmakers()
{
    bookmakers_ = bookmakersUsed(bets_);
    const std::optional<std::string>& chosen = filter_.bookmaker;
    auto at = chosen ? std::lower_bound(bookmakers_.begin(), bookmakers_.end(), *chosen) : bookmakers_.end();
    const bool offered = at != bookmakers_.end() && *at == chosen;
    if (chosen && !offered && !whole_)
        at = bookmakers_.insert(at, *chosen);
    else if (!offered)
        at = bookmakers_.end(), filter_.bookmaker.reset();
    Combo2.clear();
    Combo2.addItem(everyBookmakerText);
    for (const std::string& bookmaker : bookmakers_)
        Combo2.addItem(oneLineText(bookmaker));
    Combo2.setListIndex(at == bookmakers_.end() ? 0 : static_cast<int>(at - bookmakers_.begin()) + 1);
}

void JournalWindow::refilter()
{
    kept_ = filteredBets(bets_, figures_, filter_, todayText());
    texts_.assign(kept_.size(), std::nullopt);
    TableRows rows{static_cast<int>(kept_.size()),
                   [this](int row) {
                       const BetTexts& t = textsOf(static_cast<std::size_t>(row));
                       return std::vector<std::string>{t.date,  t.bookmaker, t.bet,    t.events, t.coefficient,
                                                       t.stake, t.status,    t.payout, t.profit, t.clv};
                   },
                   [this](int a, int b, int column) {
                       return compareRows(static_cast<std::size_t>(a), static_cast<std::size_t>(b), column);
                   },
                   [this](int row, int column) {
                       const BetTexts& t = textsOf(static_cast<std::size_t>(row));
                       return column == EventsColumn ? t.eventsTip : column == ClvColumn ? t.clvTip : std::string();
                   }};
    Grid1.setRows(std::move(rows));
    showStatistics();
    enableCommands();
}

const BetTexts& JournalWindow::textsOf(std::size_t row) const
{
    std::optional<BetTexts>& texts = texts_[row];
    if (!texts)
        texts = summaryTexts(bets_[kept_[row]], figures_[kept_[row]]);
    return *texts;
}

// The date to the second, the figures exactly, the rest by what is shown.
int JournalWindow::compareRows(std::size_t a, std::size_t b, int column) const
{
    const BetFigures &x = figures_[kept_[a]], &y = figures_[kept_[b]];
    switch (column) {
    case DateColumn:
        return bets_[kept_[a]].placedAt.compare(bets_[kept_[b]].placedAt);
    case BookmakerColumn:
        return textsOf(a).bookmaker.compare(textsOf(b).bookmaker);
    case BetColumn:
        return textsOf(a).bet.compare(textsOf(b).bet);
    case EventsColumn:
        return textsOf(a).events.compare(textsOf(b).events);
    case CoefficientColumn:
        return cmp(x.coefficient, y.coefficient);
    case StakeColumn:
        return cmp(x.stake, y.stake);
    case StatusColumn:
        return textsOf(a).status.compare(textsOf(b).status);
    case PayoutColumn:
        return cmp(x.payout.least, y.payout.least);
    case ProfitColumn:
        return cmp(x.profit.least, y.profit.least);
    default:
        return compareClv(x, y);
    }
}

// Nothing until every bet is read: figures of the newest only would be wrong.
// The balance is of all time: the period and the status leave a bank as it is.
void JournalWindow::showStatistics()
{
    const StatisticsTexts texts =
        whole_ ? statisticsTexts(journalStatistics(bets_, figures_, kept_)) : StatisticsTexts{};
    lbCount.setCaption(texts.count);
    lbSettled.setCaption(texts.settled);
    lbTurnover.setCaption(texts.turnover);
    lbProfit.setCaption(texts.profit);
    lbRoi.setCaption(texts.roi);
    lbStrike.setCaption(texts.strike);
    lbAverage.setCaption(texts.averageCoefficient);
    lbClv.setCaption(texts.clv);
    lbBeatClose.setCaption(texts.beatClose);
    lbDrawdown.setCaption(texts.drawdown);
    lbBalance.setCaption(whole_ ? moneyText(balance(movements_, bets_, figures_, filter_.bookmaker)) : std::string());
    std::vector<ChartPoint> points;
    if (whole_)
        for (const ProfitPoint& point : profitCurve(bets_, figures_, kept_))
            points.push_back({point.at, point.plotted});
    Chart1.setPoints(points);
}

void JournalWindow::enableCommands()
{
    const bool chosen = !Grid1.selectedRows().empty();
    Command1.setEnabled(chosen);
    Command3.setEnabled(chosen && writable_);
    Command4.setEnabled(whole_);
    Command5.setEnabled(writable_);
}

std::vector<std::int64_t> JournalWindow::selectedIds() const
{
    std::vector<std::int64_t> ids;
    for (int row : Grid1.selectedRows())
        ids.push_back(bets_[kept_[static_cast<std::size_t>(row)]].id);
    return ids;
}

void JournalWindow::Combo1_Click()
{
    const int chosen = Combo1.listIndex();
    if (chosen < 0)
        return;
    filter_.period = periodOrder[chosen];
    showDates();
    refilter();
}

void JournalWindow::Combo3_Click()
{
    const int chosen = Combo3.listIndex();
    if (chosen < 0)
        return;
    filter_.status = statusOrder[chosen];
    refilter();
}

// The dates are read whatever the period; they keep bets only for "С … по …".
void JournalWindow::Dates_Change()
{
    filter_.from = DateFrom.text();
    filter_.to = DateTo.text();
    if (filter_.period == JournalPeriod::Dates)
        refilter();
}

// From the first of this month to today at first.
void JournalWindow::showDates()
{
    if (filter_.to.empty())
        filter_.to = todayText(), filter_.from = filter_.to.substr(0, 8) + "01";
    DateFrom.setText(filter_.from);
    DateTo.setText(filter_.to);
    const bool chosen = filter_.period == JournalPeriod::Dates;
    DateFrom.setEnabled(chosen);
    DateTo.setEnabled(chosen);
}

void JournalWindow::Combo2_Click()
{
    const int chosen = Combo2.listIndex();
    if (chosen < 0)
        return;
    filter_.bookmaker = chosen == 0 ? std::nullopt : std::optional(bookmakers_[static_cast<std::size_t>(chosen - 1)]);
    refilter();
}

// The first bet selected, as the table shows them.
void JournalWindow::Command1_Click()
{
    const std::vector<int> rows = Grid1.selectedRows();
    if (rows.empty())
        return;
    journal::JournalStore* store = journal_.open(window());
    const auto bet = store ? store->bet(bets_[kept_[static_cast<std::size_t>(rows.front())]].id) : std::nullopt;
    if (bet)
        editor_(*bet, writable_, window());
    else if (store)
        MsgBox(window(), store->message(), MsgBoxIcon::Warning);
}

void JournalWindow::Command6_Click() { openMovements_(window()); }

void JournalWindow::Command3_Click() { journal_.removeAsked(selectedIds(), window()); }

// The bets the filter keeps.
void JournalWindow::Command4_Click()
{
    const auto path = chooseFile(window(), {FileUse::Save, "Экспорт журнала", csvFilter, "journal.csv"});
    if (!path)
        return;
    std::vector<std::int64_t> ids;
    ids.reserve(kept_.size());
    for (std::size_t at : kept_)
        ids.push_back(bets_[at].id);
    journal_.exportFile(QString::fromStdString(*path), ids, window());
}

void JournalWindow::Command5_Click()
{
    if (const auto path = chooseFile(window(), {FileUse::Open, "Импорт в журнал", csvFilter, {}}))
        journal_.importFile(QString::fromStdString(*path), window());
}

} // namespace zoret::ui
