// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/movements_window/movements_window.h"

#include "core/exact_decimal.h"
#include "core/journal_statistics.h"
#include "ui/toolkit/clock.h"
#include "ui/toolkit/message_box.h"

#include <algorithm>

namespace zoret::ui {

MovementsWindow::MovementsWindow(JournalAccess& journal)
    : Form("Form12", "Движения средств", 8400, 5400, Sizing::Resizable), journal_(journal)
{
    rememberSizeAs("movements/size");
    // A movement added or deleted here, or brought in by an import.
    journal_.onChange([this] {
        if (isLoaded())
            reload();
    });
    Grid1.onSelectionChange([this] { enableCommands(); });
    Command1.onClick([this] { Command1_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command2.onClick([this] { unload(); });
    lbDateCaption.names(Date1);
    lbBookmakerCaption.names(Combo1);
    lbAmountCaption.names(Text1);
    lbNoteCaption.names(Text2);
}

Layout MovementsWindow::layout()
{
    using enum Style;
    return {
        {Grid1, "Grid1", inWindow, {0, 0, 0, 2400}, 0, Plain, "Движения средств"},
        {lbDateCaption, "lbDateCaption", inWindow, {}, 10},
        {Date1, "Date1", inWindow, {0, 0, 2160, 0}, 1, Plain, "Когда внесены или выведены деньги"},
        {lbBookmakerCaption, "lbBookmakerCaption", inWindow, {}, 11},
        {Combo1, "Combo1", inWindow, {0, 0, 2400, 0}, 2, Plain, "У какого букмекера"},
        {Option1, "Option1", inWindow, {0, 0, 1500, 0}, 3},
        {Option2, "Option2", inWindow, {0, 0, 1000, 0}, 4},
        {lbAmountCaption, "lbAmountCaption", inWindow, {}, 12},
        {Text1, "Text1", inWindow, {0, 0, 1500, 0}, 5},
        {lbNoteCaption, "lbNoteCaption", inWindow, {}, 13},
        {Text2, "Text2", inWindow, {0, 0, 4000, 0}, 6},
        {Command1, "Command1", inWindow, {0, 0, 1200, 0}, 7, DefaultButton},
        {Command3, "Command3", inWindow, {0, 0, 1200, 0}, 8, Plain, "Удалить выбранные движения"},
        {Command2, "Command2", inWindow, {0, 0, 1200, 0}, 9, CancelButton},
    };
}

Arrangement MovementsWindow::arrangement()
{
    return {
        {{&Grid1}, true},
        {{&lbDateCaption, &Date1, &lbBookmakerCaption, &Combo1, gap}},
        {{&Option1, &Option2, &lbAmountCaption, &Text1, gap}},
        {{&lbNoteCaption, &Text2, gap}},
        {{&Command1, &Command3, gap, &Command2}},
    };
}

void MovementsWindow::Form_Load()
{
    lbDateCaption.setCaption("Дата");
    lbBookmakerCaption.setCaption("Букмекер");
    lbAmountCaption.setCaption("Сумма");
    lbNoteCaption.setCaption("Заметка");
    Option1.setCaption(movementKindCaption(MovementKind::Deposit));
    Option2.setCaption(movementKindCaption(MovementKind::Withdrawal));
    Command1.setCaption("Добавить");
    Command3.setCaption("Удалить");
    Command2.setCaption("Закрыть");
    Grid1.setColumns({{"Дата", 1500}, {"Букмекер", 1600}, {"Движение", 1300}, {"Сумма", 1300, true}, {"Заметка", 2000}},
                     "movements/columns");
    Date1.setText(nowText());
    Option1.setValue(true);
    reload();
    Combo1.setFocus();
}

void MovementsWindow::showMovements(QWidget* parent)
{
    if (journal_.open(parent))
        showModal(parent);
    movements_ = {};
}

// The table and the bookmakers offered, as the journal holds them now.
void MovementsWindow::reload()
{
    journal::JournalStore* store = journal_.open(window());
    writable_ = store && store->canWrite();
    auto read = store ? store->movements() : std::nullopt;
    if (store && !read)
        MsgBox(window(), store->message(), MsgBoxIcon::Warning);
    movements_ = std::move(read).value_or(std::vector<BankMovement>{});
    const std::string typed = Combo1.text();
    Combo1.setEntries(bookmakersOffered());
    Combo1.setText(typed);
    Grid1.setRows({static_cast<int>(movements_.size()),
                   [this](int row) {
                       const BankMovement& m = movements_[static_cast<std::size_t>(row)];
                       return std::vector<std::string>{m.at.substr(0, 16), oneLineText(m.bookmaker),
                                                       std::string(movementKindCaption(m.kind)),
                                                       moneyText(signedAmount(m)), oneLineText(m.note)};
                   },
                   [this](int a, int b, int column) { return compareRows(a, b, column); }});
    enableCommands();
}

// The date to the second and the amount exactly; the texts as they read.
int MovementsWindow::compareRows(int a, int b, int column) const
{
    const BankMovement &x = movements_[static_cast<std::size_t>(a)], &y = movements_[static_cast<std::size_t>(b)];
    switch (column) {
    case 0:
        return x.at.compare(y.at);
    case 1:
        return x.bookmaker.compare(y.bookmaker);
    case 2:
        return int(x.kind) - int(y.kind);
    case 3:
        return cmp(signedAmount(x), signedAmount(y));
    default:
        return x.note.compare(y.note);
    }
}

// The bookmakers of the bets and of the movements, each once, sorted.
std::vector<std::string> MovementsWindow::bookmakersOffered() const
{
    journal::JournalStore* store = journal_.open(window());
    std::vector<std::string> offered =
        store ? store->bookmakers().value_or(std::vector<std::string>{}) : std::vector<std::string>{};
    for (const BankMovement& movement : movements_)
        if (!movement.bookmaker.empty())
            offered.push_back(movement.bookmaker);
    std::sort(offered.begin(), offered.end());
    offered.erase(std::unique(offered.begin(), offered.end()), offered.end());
    return offered;
}

void MovementsWindow::enableCommands()
{
    Command1.setEnabled(writable_);
    Command3.setEnabled(writable_ && !Grid1.selectedRows().empty());
}

// The box keeps the date and bookmaker for the next one; the amount and the
// note are cleared once it is kept.
void MovementsWindow::Command1_Click()
{
    const BankMovement movement{0,
                                Date1.text(),
                                Combo1.text(),
                                Option2.value() ? MovementKind::Withdrawal : MovementKind::Deposit,
                                Text1.text(),
                                Text2.text()};
    if (!journal_.addMovement(movement, window()))
        return;
    Text1.setText({});
    Text2.setText({});
}

void MovementsWindow::Command3_Click()
{
    std::vector<std::int64_t> ids;
    for (int row : Grid1.selectedRows())
        ids.push_back(movements_[static_cast<std::size_t>(row)].id);
    journal_.removeMovementsAsked(ids, window());
}

} // namespace zoret::ui
