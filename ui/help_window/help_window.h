// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/form.h"

namespace zoret::ui {

// Form2: the fixed help text about the main window.
class HelpWindow : public Form {
public:
    HelpWindow();

protected:
    Layout layout() override;
    void Form_Load() override;

private:
    void XXX();
    void Command1_Click();

    Label Label1;
    CommandButton Command1;
};

} // namespace zoret::ui
