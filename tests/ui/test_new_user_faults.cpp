// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"
#include "ui/main_window/main_window.h"

// What a first-time user runs into: numbers too long for their frame,
// answers under another caption, a margin that cannot be computed, pasted
// columns of odds, copying results, deleting with the keyboard, and the
// names a screen reader gives the controls.
class NewUserScenarios : public WindowTestCase {
    Q_OBJECT

private slots:
    void mainWindow_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("a product too long for its frame is never shown cut") << R"(
            paste Text1 -1.23456789012345e300\n10\n1.5
            click Command3
            is Label1 -1.85185183518517E+301
            whole Label1
            copy Label1
            clipboard -1.85185183518517E+301
        )";
        QTest::newRow("a result is copied with the mouse and Ctrl+C") << R"(
            type Text1 1.5
            key Text1 Enter
            type Text1 1.5
            key Text1 Enter
            click Command3
            copy Label1
            clipboard  2.25
        )";
        QTest::newRow("an answer is not shown under another mode's caption") << R"(
            click optKf
            type textSum -250
            type textStavka 100
            click ComBatRezult
            is lbRezultSum -2.5
            click optBeginsum
            is lbRezultInfo Ставка равна
            is lbRezultSum 0
            is textSum -250
            is textStavka 100
        )";
        QTest::newRow("a margin that cannot be computed changes nothing but the focus") << R"(
            click Command6
            within Form1
                pick Combo1 2
                type Text1 2.1
                type Text2 2.05
                click Command5
                type Text5 1000
                click Command4
                pick Combo1 4
                type Text1 0
                type Text2 0
                type Text3 0
                type Text4 0
                snapshot
                click Command5
                message Впишите коэффициенты
                unchanged
                focus Text1
                disabled Command4
                click Command2
            end
        )";
        QTest::newRow("a pasted column of odds adds one event a line") << R"(
            paste Text1 1.5\n2.5\n\n
            items List1  1.5| 2.5
            is Text1 
            is Label6 ( 2 )
        )";
        QTest::newRow("a column pasted into typed text continues it") << R"(
            type Text1 1.
            paste Text1 5\r\n2.5
            items List1  1.5| 2.5
        )";
        QTest::newRow("a single pasted line is only typed") << R"(
            paste Text1 1.5
            is Text1 1.5
            items List1 
        )";
        QTest::newRow("a pasted line the conversion rejects lists none of the column") << R"(
            paste Text1 1.5\n1e999
            message Переполнение
            items List1 
        )";
        QTest::newRow("a paste into the list adds its lines") << R"(
            paste List1 3\n4
            paste List1 5
            items List1  3| 4| 5
            is Label6 ( 3 )
        )";
        QTest::newRow("Delete in the list removes the selected event") << R"(
            paste List1 1\n2\n3
            select List1 1
            key List1 Delete
            items List1  1| 3
            focus List1
        )";
        QTest::newRow("the boxes are named after their captions") << R"(
            reader Text1 Коэффициенты
            reader textSum Выигрыш
            reader textKf Коэффициент
            reader textStavka Ставка
            reader Combo1 Кол-во событий системы
            reader lbRezultSum Результат
            reader Label1 Коэффициент экспресса
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

ZORET_UI_TEST_MAIN(NewUserScenarios)
#include "test_new_user_faults.moc"
