// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

namespace zoret::ui {

// A text box whose Change handler runs after every edit the user makes, for
// windows that answer while the user types. Setting the text from code does
// not run it.
class LiveTextBox : public TextBox {
public:
    void onChange(Handler handler) { change_ = std::move(handler); }

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    Handler change_;
};

} // namespace zoret::ui
