// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/date_box.h"
#include "ui/toolkit/entry_combo_box.h"
#include "ui/toolkit/form.h"

#include <optional>
#include <string>
#include <vector>

namespace zoret::ui {

struct BetDetails {
    std::string bookmaker;
    std::string note;
    std::string placedAt; // "YYYY-MM-DD HH:MM:SS"
};

// Form8: the bookmaker (typed, or one used before), a note and the date the
// bet was placed, for a slip going into the journal or a bet of the journal
// saved again.
class BetDetailsWindow : public Form {
public:
    BetDetailsWindow();

    // Shows `shown` to be changed; nothing when the user cancels.
    std::optional<BetDetails> ask(std::vector<std::string> bookmakers, BetDetails shown, QWidget* parent);

protected:
    Layout layout() override;
    void Form_Load() override;

private:
    std::vector<std::string> bookmakers_;
    BetDetails shown_;
    std::optional<BetDetails> answer_;

    Label lbBookmakerCaption, lbNoteCaption, lbDateCaption;
    EntryComboBox Combo1;
    TextBox Text1;
    DateBox Date1{DateBox::Shows::DateAndTime};
    CommandButton Command1, Command2;
};

} // namespace zoret::ui
