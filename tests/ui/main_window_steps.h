// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/window_test.h"

// Lists coefficients the quick way: each put in the box and Enter pressed.
inline void addOdds(QWidget* w, const QStringList& typed)
{
    auto* box = control<QLineEdit>(w, "Text1");
    for (const QString& coefficient : typed) {
        box->setText(coefficient);
        QTest::keyClick(box, Qt::Key_Return);
    }
}

inline QStringList repeated(const QString& coefficient, int times) { return QList<QString>(times, coefficient); }
