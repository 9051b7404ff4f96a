// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/journal_access/journal_access.h"
#include "ui/toolkit/date_box.h"
#include "ui/toolkit/entry_combo_box.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/table.h"
#include "core/bank_movement.h"

#include <string>
#include <vector>

namespace zoret::ui {

// Form12: the deposits and withdrawals kept in the journal, newest first; a
// new one is added with its date (now at first), bookmaker, kind, amount
// and note, the ones selected are deleted once the user agrees. Changes go
// through the journal's access, which announces them to the journal window.
class MovementsWindow : public Form {
public:
    explicit MovementsWindow(JournalAccess& journal);

    // Opens the journal first: a journal the user cannot read shows no window.
    void showMovements(QWidget* parent);

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    void reload();
    std::vector<std::string> bookmakersOffered() const;
    int compareRows(int a, int b, int column) const;
    void enableCommands();
    void Command1_Click();
    void Command3_Click();

    JournalAccess& journal_;
    std::vector<BankMovement> movements_; // newest first
    bool writable_ = false;

    Table Grid1;
    Label lbDateCaption, lbBookmakerCaption, lbAmountCaption, lbNoteCaption;
    DateBox Date1{DateBox::Shows::DateAndTime};
    EntryComboBox Combo1;
    OptionButton Option1, Option2;
    TextBox Text1, Text2;
    CommandButton Command1, Command3, Command2;
};

} // namespace zoret::ui
