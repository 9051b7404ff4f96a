// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"
#include "ui/main_window/main_window.h"

// The main window and the windows it opens, driven as a user does: each row
// is a scenario named after the behaviour it checks, one step a line.
class Scenarios : public WindowTestCase {
    Q_OBJECT

private slots:
    void mainWindow_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("a typed coefficient is listed and the box emptied") << R"(
            type Text1 1.5
            key Text1 Enter
            items List1  1.5
            is Text1 
            focus Text1
        )";
        QTest::newRow("a run-time error leaves the window as it was") << R"(
            type Text1 1e200
            key Text1 Enter
            type Text1 1e200
            key Text1 Enter
            snapshot
            click Command3
            message Переполнение
            unchanged
        )";
        QTest::newRow("the fork window asks for missing coefficients") << R"(
            click Command6
            within Form1
                pick Combo1 2
                type Text1 2.1
                click Command5
                message Впишите коэффициенты
                focus Text2
                click Command2
            end
            enabled Command6
        )";
    }

    void mainWindow()
    {
        QFETCH(QString, steps);
        zoret::ui::MainWindow form;
        form.load();
        Scenario(form.window(), *watcher).run(steps);
    }
};

ZORET_UI_TEST_MAIN(Scenarios)
#include "test_scenarios.moc"
