// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/window_test.h"

// Runs a window scenario, one step a line or separated by " ; ", "verb control argument", driving the real
// widgets by objectName the way a user does; a failing step is reported with its text. The verbs (scenario.cpp):
// type, paste, key (Enter Esc Tab Delete), click, pick, select and dblclick (a list's or a table's row), add
// (coefficients, 3*C for three), copy (a label's text by mouse and Ctrl+C); the checks is (caption, text, chosen item,
// tick), items (A|B|C, a table's cells joined by blanks, " *" after a bold row), enabled, disabled, focus, reader (the
// name a screen reader gives), answer (the button the next question is answered with), message, information, warning
// and question (a box titled Zoret of that kind; message: no icon), clipboard, snapshot and unchanged; "within FORM"
// ... "end" runs the steps between in the modal window FORM that the step before opens. Menus, keys and sizes: menu,
// item, shortcut, visible, inview, resize, size and grown.
class Scenario {
public:
    Scenario(QWidget* window, ModalWatcher& watcher) : window_(window), watcher_(watcher) {}
    bool run(const QString& script);

private:
    bool runStep(QWidget* window, const QString& step);
    bool runSteps(QWidget* window, const QStringList& steps);

    QWidget* window_;
    ModalWatcher& watcher_;
    QStringList snapshot_;
    QHash<QString, QSize> sizes_; // every control's size before the last resize
};

// A journal in a temporary folder of this test run, the same for every call: a window test never touches the user's.
QString temporaryJournal();

// Loads the program's main window, runs the scenario from it and closes the window again; the journal is the one at
// `journalPath`.
bool runFromMainWindow(ModalWatcher& watcher, const QString& script, const QString& journalPath = temporaryJournal());

// Base of the tests whose rows (a "steps" column) are each a scenario run from the program's main window.
class MainWindowScenarios : public WindowTestCase {
    Q_OBJECT

private slots:
    void scenarios()
    {
        QFETCH(QString, steps);
        runFromMainWindow(*watcher, steps);
    }
};
