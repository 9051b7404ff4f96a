// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/bet_details_window/bet_details_window.h"

namespace zoret::ui {

BetDetailsWindow::BetDetailsWindow() : Form("Form8", "В журнал", 4800, 1950)
{
    lbBookmakerCaption.names(Combo1);
    lbNoteCaption.names(Text1);
    lbDateCaption.names(Date1);
    Command1.onClick([this] {
        answer_ = BetDetails{Combo1.text(), Text1.text(), Date1.text()};
        unload();
    });
    Command2.onClick([this] { unload(); });
}

Layout BetDetailsWindow::layout()
{
    using enum Style;
    return {
        {lbBookmakerCaption, "lbBookmakerCaption", inWindow, {120, 150, 1200, 255}, 5},
        {Combo1, "Combo1", inWindow, {1440, 120, 3240, 315}, 0, Plain, "Где сделана ставка"},
        {lbNoteCaption, "lbNoteCaption", inWindow, {120, 540, 1200, 255}, 6},
        {Text1, "Text1", inWindow, {1440, 510, 3240, 285}, 1},
        {lbDateCaption, "lbDateCaption", inWindow, {120, 930, 1200, 255}, 7},
        {Date1, "Date1", inWindow, {1440, 900, 2160, 315}, 2, Plain, "Когда сделана ставка"},
        {Command1, "Command1", inWindow, {2160, 1470, 1200, 375}, 3, DefaultButton},
        {Command2, "Command2", inWindow, {3480, 1470, 1200, 375}, 4, CancelButton},
    };
}

void BetDetailsWindow::Form_Load()
{
    lbBookmakerCaption.setCaption("Букмекер");
    lbNoteCaption.setCaption("Заметка");
    lbDateCaption.setCaption("Дата ставки");
    Command1.setCaption("ОК");
    Command2.setCaption("Отмена");
    Combo1.setEntries(bookmakers_);
    Combo1.setText(shown_.bookmaker);
    Text1.setText(shown_.note);
    Date1.setText(shown_.placedAt);
    Combo1.setFocus();
}

std::optional<BetDetails> BetDetailsWindow::ask(std::vector<std::string> bookmakers, BetDetails shown, QWidget* parent)
{
    bookmakers_ = std::move(bookmakers);
    shown_ = std::move(shown);
    answer_.reset();
    showModal(parent);
    return answer_;
}

} // namespace zoret::ui
