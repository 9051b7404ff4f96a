// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/modal_watcher.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Finds a control by its name, the way a test drives the window: never by
// the text it shows.
template <typename Widget>
Widget* control(QWidget* window, const char* name)
{
    auto* widget = window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// A label's caption as the program set it (carriage returns kept).
inline QString caption(QWidget* window, const char* name)
{
    return control<QLabel>(window, name)->property("caption").toString();
}

inline QString text(QWidget* window, const char* name) { return control<QLineEdit>(window, name)->text(); }

inline bool isEnabledOwn(QWidget* window, const char* name)
{
    return !control<QWidget>(window, name)->testAttribute(Qt::WA_ForceDisabled);
}

inline void click(QWidget* window, const char* name)
{
    auto* button = control<QAbstractButton>(window, name);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Replaces the text of a box by typing into it, key by key, Cyrillic too.
inline void type(QWidget* window, const char* name, const QString& typed)
{
    auto* edit = control<QLineEdit>(window, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, edit,
                            c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

// Picks an item of a drop-down list the way a user does: opens the list,
// moves to the item and presses Enter.
inline void pick(QWidget* window, const char* name, const QString& item)
{
    auto* combo = control<QComboBox>(window, name);
    QVERIFY2(combo->isEnabled() && combo->findText(item) >= 0, qPrintable(name + (" " + item)));
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    combo->view()->setCurrentIndex(combo->model()->index(combo->findText(item), 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
}

// Offscreen unless told otherwise, the application font the program uses.
#define ZORET_UI_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setFont(QFont("Liberation Sans", 8));                                                            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
