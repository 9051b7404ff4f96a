// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/live_text_box.h"

#include "ui/toolkit/error_boundary.h"

#include <QLineEdit>

namespace zoret::ui {

QWidget* LiveTextBox::makeWidget(QWidget* parent, Style style)
{
    QWidget* widget = TextBox::makeWidget(parent, style);
    auto* edit = static_cast<QLineEdit*>(widget);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit] { runHandler(edit->window(), change_); });
    return widget;
}

} // namespace zoret::ui
