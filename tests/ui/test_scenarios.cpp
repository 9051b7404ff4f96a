// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "ui/main_window/main_window.h"

// The main window driven as a user does: each row a scenario named after the
// behaviour it checks, a line an action and what it shows. The digits are
// the core's; one row per computation shows where they go. Then what a
// first-time user runs into (numbers too long for their frame, pasted columns
// of odds, copying results, deleting with the keyboard, the names a screen
// reader gives the boxes) and the menu bar, whose items do what the buttons do.
class Scenarios : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("start-up: the count, the answer and what is off") << R"(
            is Label6 ( 0 ) ; is lbRezultSum 0 ; items List1 ; items Combo1
            disabled Command3 Command7 Command11 Combo1 Label5 Check1 ComBatRezult textSum textKf textStavka lbSum lbKf lbStavka lbRezultInfo lbRezultSum
            enabled Command8 Command9 Text1 Command1 Command2 Command4 List1 optEndsum optKf optBeginsum Command5 Command6 Command10)";
        QTest::newRow("a coefficient is listed by Enter or the button, an empty one not") << R"(
            type Text1 1.85 ; key Text1 Enter ; items List1  1.85 ; is Text1 ; focus Text1 ; click Command1
            type Text1 2.1 ; click Command1 ; items List1  1.85| 2.1 ; is Label6 ( 2 ) ; select List1 0
            key Command2 Enter ; items List1  2.1)";
        QTest::newRow("enabling and the size list follow the count on add") << R"(
            add 1.5 ; disabled Command3 Combo1 Label5 Command7 ; add 2 ; enabled Command3 ; disabled Combo1 Label5
            add 3 ; enabled Combo1 Label5 ; items Combo1 2 ; add 17*1.5
            items Combo1 2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19 ; add 1.5 ; disabled Combo1 Label5 Command7
            is Label6 ( 21 ) ; items Combo1 2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20)";
        QTest::newRow("enabling and the size list follow the count on remove") << R"(
            add 21*1.5 ; select List1 20 ; click Command2 ; enabled Combo1 Label5 ; focus List1 ; is Label6 ( 20 )
            items Combo1 2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19 ; click Command4 ; add 1.5 2 3 4 5
            pick Combo1 3 ; select List1 4 ; click Command2 ; is Combo1 3 ; enabled Command7 ; select List1 3
            click Command2 ; items Combo1 2 ; is Combo1 ; select List1 2 ; click Command2
            disabled Combo1 Label5 Command7 ; dblclick List1 1 ; items List1  1.5 ; disabled Command3 ; items Combo1 2
            click Command2 ; items List1  1.5)";
        QTest::newRow("an addition clears the chosen size") << R"(
            add 1.5 2 3 4 ; pick Combo1 2 ; add 5 ; is Combo1 ; enabled Command7 ; click Command7
            message Выберите размер системы ; focus Combo1 ; is Label4)";
        QTest::newRow("Система describes the list it evaluates after a removal") << R"(
            add 1.5 2 3 4 5 ; pick Combo1 3 ; is Label7 Система 5/3 ; is Label3 10 экспрессов ; is Label4
            select List1 4 ; click Command2 ; click Command7 ; is Label7 Система 4/3 ; is Label3 4 экспресса
            is Label4  63 ; click Command9 ; is textKf  63)";
        QTest::newRow("the accumulator, and the arrows copy zero before a result") << R"(
            click Command8 ; is textKf  0 ; click Command9 ; is textKf  0 ; add 1.5 2 ; click Command3 ; is Label1  3
            click Command8 ; is textKf  3)";
        QTest::newRow("a run-time error leaves every list, caption and variable as it was") << R"(
            add 2 3 ; click Command3 ; add 150 150 150 ; pick Combo1 2 ; click Command7 ; is Label4  69756
            add 1e200 1e200 ; pick Combo1 2 ; type Text1 1e999 ; snapshot ; click Command3 ; warning Переполнение
            click Command7 ; warning Переполнение ; key Text1 Enter ; warning Переполнение ; unchanged
            click Command8 ; is textKf  6 ; click Command9 ; is textKf  69756)";
        QTest::newRow("the win from coefficient and stake") << R"(
            click optKf ; click optEndsum ; is lbRezultInfo Выигрыш равен ; disabled textSum lbSum
            enabled textKf lbKf textStavka lbStavka Check1 ComBatRezult lbRezultInfo lbRezultSum ; type textKf 2
            type textStavka 3 ; click ComBatRezult ; is lbRezultSum  6 ; type textKf 1e300 ; type textStavka 1e300
            click ComBatRezult ; warning Переполнение ; is lbRezultSum  6)";
        QTest::newRow("the coefficient from win and stake, the stake asked for") << R"(
            click optBeginsum ; click optKf ; is lbRezultInfo Коэффициент равен ; disabled textKf lbKf Check1
            enabled textSum lbSum textStavka lbStavka ComBatRezult ; type textSum 185 ; type textStavka 100
            click ComBatRezult ; is lbRezultSum  1.85 ; type textStavka 0,5 ; click ComBatRezult ; is lbRezultSum  370
            type textStavka ,0 ; click ComBatRezult ; message Впишите размер ставки ; focus textStavka ; is lbRezultSum  370)";
        QTest::newRow("the stake from win and coefficient, the coefficient asked for") << R"(
            click optEndsum ; click optBeginsum ; is lbRezultInfo Ставка равна ; disabled textStavka lbStavka
            enabled textSum lbSum textKf lbKf Check1 ComBatRezult ; type textSum 185 ; type textKf 1.85
            click ComBatRezult ; is lbRezultSum  100 ; type textKf 2,5 ; click ComBatRezult ; is lbRezultSum  74
            type textKf 0,0 ; click ComBatRezult ; message Впишите коэффициент ; focus textKf)";
        QTest::newRow("whole-system stakes and wins") << R"(
            click optEndsum ; type textKf 2 ; type textStavka 100 ; click Check1 ; click ComBatRezult
            message Выберите размер системы ; is lbRezultSum 0 ; add 1.5 2 3 4 5 ; pick Combo1 3 ; click Command7
            click ComBatRezult ; is lbRezultSum  20 ; click Check1 ; click ComBatRezult ; is lbRezultSum  200
            click optBeginsum ; click Check1 ; type textSum 20 ; click ComBatRezult ; is lbRezultSum  100)";
        QTest::newRow("clearing all returns to the start") << R"(
            snapshot ; add 1.5 2 3 ; click Command3 ; pick Combo1 2 ; click Command7 ; click optEndsum ; click Check1
            type textKf 2 ; click ComBatRezult ; click Command4 ; focus Text1 ; click optKf ; click optEndsum
            is Check1 0 ; click Command4 ; unchanged)";
        QTest::newRow("the 32,768th event is refused") << R"(
            add 32767*1 ; add 2 ; warning Переполнение ; is Label6 ( 32767 ) ; is Text1 2)";
        QTest::newRow("help opens again after OK and after Esc") << R"(
            click Command10 ; within Form2 ; is Command1 OK ; click Command1 ; end ; click Command10 ; within Form2
            key Command1 Esc ; end)";
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
        QTest::newRow("each menu item does what its button does") << R"(
            item actionSettlement off ; add 2 ; item actionSettlement on
            menu actionSettlement ; within Form3 ; click Command1 ; end ; select List1 0 ; click Command2
            item actionSettlement off ; menu actionFork ; within Form1 ; click Command2 ; end
            menu actionHelp ; within Form2 ; click Command1 ; end ; shortcut List1 F1 ; within Form2 ; click Command1 ; end
            shortcut List1 F10 ; visible menuFile ; key menuFile Esc ; menu actionForkCalculator ; within Form5 ; key Combo1 Esc ; end
        )";
        // clang-format on
    }

    // The stake panel keeps the figures of its last answer in the window's variables.
    void stakeFigures()
    {
        zoret::ui::MainWindow form(temporaryJournal());
        form.load();
        Scenario(form.window(), *watcher)
            .run("click optKf ; type textSum 185 ; type textStavka 4 ; click ComBatRezult\n"
                 "click optEndsum ; type textKf 2 ; click ComBatRezult");
        QCOMPARE((QList<double>{form.winAmount, form.coefficient, form.stakeAmount, form.resultAmount}),
                 (QList<double>{0, 2, 4, 8}));
    }

    // The about box names the program and its licence; Ctrl+Q ends it.
    void aboutAndExit()
    {
        zoret::ui::MainWindow form(temporaryJournal());
        form.load();
        Scenario(form.window(), *watcher).run("menu actionAbout");
        const QString about = watcher->takeMessages().join(" / ");
        QVERIFY2(about.startsWith("О программе: Zoret " ZORET_VERSION) && about.contains("GPL-3.0-or-later"),
                 qPrintable(about));
        Scenario(form.window(), *watcher).run("shortcut Text1 Ctrl+Q");
        QVERIFY(!form.isLoaded());
    }

    // Выход, Esc and the close box end the program shown modal.
    void exits()
    {
        for (const QString how : {"Выход", "Esc", "close box"}) {
            zoret::ui::MainWindow form(temporaryJournal());
            QTimer::singleShot(0, [&] {
                QVERIFY(form.window()->isModal());
                how == "Выход" ? click(form.window(), "Command5")
                : how == "Esc" ? QTest::keyClick(control<QLineEdit>(form.window(), "Text1"), Qt::Key_Escape)
                               : void(form.window()->close());
            });
            form.showModal();
            QVERIFY2(!form.isLoaded(), qPrintable(how));
        }
    }
};

ZORET_UI_TEST_MAIN(Scenarios)
#include "test_scenarios.moc"
