// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/entry_combo_box.h"
#include "ui/toolkit/form.h"

#include <optional>
#include <string>
#include <vector>

namespace zoret::ui {

struct BetDetails {
    std::string bookmaker;
    std::string note;
};

// Form8: the bookmaker (typed, or one used before) and a note for a slip
// going into the journal.
class BetDetailsWindow : public Form {
public:
    BetDetailsWindow();

    // Nothing when the user cancels.
    std::optional<BetDetails> ask(std::vector<std::string> bookmakers, QWidget* parent);

protected:
    Layout layout() override;
    void Form_Load() override;

private:
    std::vector<std::string> bookmakers_;
    std::optional<BetDetails> answer_;

    Label lbBookmakerCaption, lbNoteCaption;
    EntryComboBox Combo1;
    TextBox Text1;
    CommandButton Command1, Command2;
};

} // namespace zoret::ui
