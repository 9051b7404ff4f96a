// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/arrangement.h"

#include <QBoxLayout>
#include <QWidget>

namespace zoret::ui {

void arrange(QWidget* window, const Arrangement& lines)
{
    auto* column = new QVBoxLayout(window);
    for (const Line& line : lines) {
        auto* row = new QHBoxLayout;
        for (Control* control : line.controls) {
            if (control)
                row->addWidget(control->widget(), line.grows ? 1 : 0);
            else
                row->addStretch(1);
        }
        column->addLayout(row, line.grows ? 1 : 0);
    }
}

} // namespace zoret::ui
