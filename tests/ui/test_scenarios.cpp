// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "ui/main_window/main_window.h"

// The main window driven as a user does: each row a scenario named after the
// behaviour it checks, a line an action and what it shows. The digits are
// the core's; one row per computation shows where they go.
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
