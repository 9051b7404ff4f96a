// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

// What a first-time user runs into: numbers too long for their frame,
// answers under another caption, pasted columns of odds, copying results,
// deleting with the keyboard, and the names a screen reader gives the boxes.
class NewUserScenarios : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("a product too long for its frame is copied whole with the mouse") << R"(
            paste Text1 -1.23456789012345e300\n10\n1.5 ; click Command3 ; copy Label1
            clipboard -1.85185183518517E+301
        )";
        QTest::newRow("an answer is not shown under another mode's caption") << R"(
            click optKf ; type textSum -250 ; type textStavka 100 ; click ComBatRezult ; is lbRezultSum -2.5
            click optBeginsum ; is lbRezultInfo Ставка равна ; is lbRezultSum 0
        )";
        QTest::newRow("one pasted line is only typed; a column continues it, one event a line") << R"(
            paste Text1 1. ; items List1 ; paste Text1 5\r\n2.5\n\n ; items List1  1.5| 2.5 ; is Text1
            is Label6 ( 2 )
        )";
        QTest::newRow("a pasted line the conversion rejects lists none of the column") << R"(
            paste Text1 1.5\n1e999 ; warning Переполнение ; items List1
        )";
        QTest::newRow("a comma typed into a box is its decimal point; the list shows what was read") << R"(
            type Text1 2,10 ; key Text1 Enter ; type Text1 ,5 ; click Command1 ; items List1  2.1| .5
            click optEndsum ; type textKf 2,5 ; type textStavka 100,5 ; click ComBatRezult ; is lbRezultSum  251.25
            click optKf ; type textSum 5,5 ; type textStavka 2,2 ; click ComBatRezult ; is lbRezultSum  2.5
        )";
        QTest::newRow("a pasted row of odds lists one event a number, by blanks, tabs or semicolons") << R"(
            paste Text1 1.85 2.10 3.00 ; items List1  1.85| 2.1| 3 ; paste Text1 1,85\t2,10\t3 ; is Label6 ( 6 )
            paste List1 1,85;П;2,10;3 ; items List1  1.85| 2.1| 3| 1.85| 2.1| 3| 1.85| 2.1| 3 ; paste Text1 кэф 1,85 ; is Text1 кэф 1,85
            paste Text1 2 1e999 ; warning Переполнение ; is Label6 ( 9 )
        )";
        QTest::newRow("a paste into the list adds its lines; Delete removes the selected one") << R"(
            paste List1 3\n4 ; paste List1 5 ; select List1 1 ; key List1 Delete ; items List1  3| 5 ; focus List1
        )";
        QTest::newRow("the boxes are named after their captions") << R"(
            reader Text1 Коэффициенты ; reader textSum Выигрыш ; reader textKf Коэффициент ; reader textStavka Ставка
            reader Combo1 Кол-во событий системы ; reader lbRezultSum Результат ; reader Label1 Коэффициент экспресса
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(NewUserScenarios)
#include "test_new_user_faults.moc"
