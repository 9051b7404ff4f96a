// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/window_test.h"

#include <QStringList>

// Steps a user takes in the main window, shared by its tests.
inline void addOdds(QWidget* w, const QStringList& typed)
{
    for (const QString& coefficient : typed) {
        type(w, "Text1", coefficient);
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
    }
}

inline QStringList repeated(const QString& coefficient, int times)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << coefficient;
    return list;
}

inline QStringList listItems(QWidget* w)
{
    QStringList items;
    auto* list = control<QListWidget>(w, "List1");
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

inline QStringList comboItems(QWidget* w, const char* name = "Combo1")
{
    QStringList items;
    auto* combo = control<QComboBox>(w, name);
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

inline QStringList sizesUpTo(int last)
{
    QStringList sizes;
    for (int k = 2; k <= last; ++k)
        sizes << QString::number(k);
    return sizes;
}

inline void selectItem(QWidget* w, int row)
{
    auto* list = control<QListWidget>(w, "List1");
    const QRect at = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
}

inline void doubleClickItem(QWidget* w, int row)
{
    auto* list = control<QListWidget>(w, "List1");
    list->scrollToItem(list->item(row));
    const QRect at = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at.center());
}
