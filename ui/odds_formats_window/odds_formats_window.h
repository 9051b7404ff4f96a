// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/odds_formats.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/live_text_box.h"

#include <array>
#include <string>

namespace zoret::ui {

// Form11: odds typed in one format shown in every format, each figure with
// a button that copies it. Every change recomputes at once; the format and
// the text outlive the window.
class OddsFormatsWindow : public Form {
public:
    OddsFormatsWindow();

protected:
    Layout layout() override;
    Arrangement arrangement() override;
    void Form_Load() override;

private:
    struct FormatRow {
        Label caption, value;
        CommandButton copy;
    };

    void Combo1_Click();
    void Text1_Change();
    void recompute();

    OddsFormat format_ = OddsFormat::Decimal;
    std::string text_;

    ComboBox Combo1;
    LiveTextBox Text1;
    std::array<FormatRow, oddsFormatOrder.size()> rows_;
    Label lbFormatCaption, lbValueCaption, lbNote;
    CommandButton Command1;
};

} // namespace zoret::ui
