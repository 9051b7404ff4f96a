// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "ui/fork_window/fork_window.h"
#include "ui/settlement_window/settlement_window.h"

using zoret::ui::ForkWindow;

// What the window keeps: size, odds, margin, return, sum, centring codes.
static QString variables(const ForkWindow& f)
{
    QStringList parts;
    for (float value :
         {float(f.forkSize), f.forkOdds[0], f.forkOdds[1], f.forkOdds[2], f.forkOdds[3], f.margin, f.totalReturn,
          f.stakeSum, float(f.centreCode[0]), float(f.centreCode[1]), float(f.centreCode[2]), float(f.centreCode[3])})
        parts << QString::number(value);
    return parts.join(' ');
}

// The fork window driven as a user does. The digits are the core's: each
// scenario checks which boxes are read, where the results go, what is enabled
// and where the focus lands. A "reopen" line follows a step that closes the
// window, which then opens again; the last column is the variables at the end.
class ForkWindowTest : public WindowTestCase {
    Q_OBJECT

private slots:
    // Every caption, option, button and frame of both calculators says what
    // it is from the start; only the hole's caption waits for a fork.
    void captionsAtOpening()
    {
        ForkWindow fork;
        zoret::ui::SettlementWindow settlement;
        static const QRegularExpression named("^(Label|Check|Command|Frame|Option)\\d+$|Caption$");
        for (zoret::ui::Form* form : std::initializer_list<zoret::ui::Form*>{&fork, &settlement}) {
            form->load();
            for (QWidget* shown : form->window()->findChildren<QWidget*>(named)) {
                const auto* button = qobject_cast<QAbstractButton*>(shown);
                const auto* frame = qobject_cast<QGroupBox*>(shown);
                const QString text = button  ? button->text()
                                     : frame ? frame->title()
                                             : shown->property("caption").toString();
                QVERIFY2(!text.isEmpty() || shown->objectName() == "Label7", qPrintable(shown->objectName()));
            }
        }
    }

    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        // clang-format off
        QTest::newRow("the size opens that many boxes, Маржа reads them and opens the sum for a fork") << R"(
            focus Combo1 ; pick Combo1 3
            enabled Text1 Text2 Text3 Label1 Label2 Label3 Command5 Label5 Label6 Label7 Label8 Label13 Label14
            disabled Text4 Label4 Check1 Check2 Check3 Check4 Frame1 Command4 Text5 Label16 ; pick Combo1 4 ; type Text1 4 ; type Text2 4
            type Text3 4.5 ; type Text4 5 ; click Command5 ; is Label6 0.9222222 ; is Label7 Дырка (%)
            is Label8 8.433738 ; enabled Command4 Label16 Text5 Frame1 Check1 Check4 ; click Check4 ; pick Combo1 2
            disabled Text3 Label3 Check3 Text4 Command4 Frame1 ; click Command5 ; is Label6 0.5 ; is Label8 100
        )" << "2 4 4 4.5 5 0.5 0 0 5 6 7 4";
        QTest::newRow("a missing or negative price stops both buttons, changing nothing but the focus") << R"(
            pick Combo1 4 ; type Text1 4 ; type Text2 4 ; type Text3 4.5 ; type Text4 -5 ; click Command5
            message Впишите коэффициенты ; focus Text4 ; is Label6 0 ; disabled Command4 ; type Text4 5
            click Command5 ; click Check1 ; type Text5 1000 ; click Command4 ; type Text2 x ; snapshot
            click Command5 ; message Впишите коэффициенты ; focus Text2 ; click Command4 ; unchanged ; type Text2 4
            type Text5 0 ; snapshot ; click Command4 ; unchanged
        )" << "4 4 4 4.5 5 0.922222 1084.34 1000 1 6 7 8";
        QTest::newRow("Сумма splits by Enter and centres the ticked outcome; no fork closes it; values outlive the window") << R"(
            pick Combo1 2 ; type Text1 2.2 ; type Text2 1.9 ; click Command5 ; type Text5 100 ; key Text5 Enter
            is Label14  101.9512 ; is Label9  46.34146 ; is Label10  53.65854 ; is Label11  0 ; is Label12  0
            is Label19  101.9512 ; is Label20  101.9512 ; is Label21  0 ; is Label22  0 ; click Check1
            click Command4 ; is Label9  47.36842 ; is Label10  52.63158 ; is Label19  104.2105 ; is Label20  100
            type Text1 1.5 ; click Command5 ; is Label7 ; is Label8 Норма ; disabled Command4 Label16 Text5 Frame1
            click Command2
            reopen
            is Combo1 ; is Text1 ; disabled Text1 Command5 ; is Label19 0 ; is Label20 0 ; is Label21 0 ; is Label22 0
        )" << "2 0 0 0 0 0 0 100 5 6 7 8";
        QTest::newRow("each box centres its own outcome, and Esc closes") << R"(
            pick Combo1 4 ; type Text1 4 ; type Text2 4 ; type Text3 4.5 ; type Text4 5 ; click Command5
            click Check1 ; click Check2 ; click Check3 ; click Check4 ; click Check4 ; type Text5 1000
            click Command4 ; is Label9  276.9231 ; is Label10  276.9231 ; is Label11  246.1538 ; is Label12  200
            is Label19  1107.692 ; is Label20  1107.692 ; is Label21  1107.692 ; is Label22  1000 ; key Text5 Esc
            reopen
        )" << "4 0 0 0 0 0 0 1000 5 6 7 8";
        QTest::newRow("Сумма divides with the margin of the odds it splits, and shows Норма for no fork") << R"(
            pick Combo1 3 ; type Text1 2.5 ; type Text2 4.2 ; type Text3 7 ; click Command5 ; click Check1
            click Check2 ; type Text3 6 ; type Text5 300 ; click Command4 ; is Label6 0.8047619 ; is Label9  156.7164
            is Label10  93.28358 ; is Label11  50 ; is Label12  0 ; type Text3 1.5 ; type Text5 250 ; click Command4
            is Label8 Норма ; disabled Command4 Label16 Text5 Frame1 ; is Label9  156.7164 ; snapshot ; click Command5
            unchanged
        )" << "3 2.5 4.2 1.5 0 1.30476 372.781 250 1 2 7 8";
        QTest::newRow("Сумма keeps the margin and the first odds it divides with") << R"(
            pick Combo1 2 ; type Text1 2.1 ; type Text2 2.05 ; click Command5 ; type Text1 2.2 ; type Text5 100 ; click Command4
        )" << "2 2.2 2.05 0 0 0.94235 106.118 100 5 6 7 8";
        QTest::newRow("a comma typed into any box is its decimal point") << R"(
            pick Combo1 4 ; type Text1 3,10 ; type Text2 3,6 ; type Text3 3.90 ; type Text4 12,5 ; click Command5
            type Text5 100,5 ; click Command4
        )" << "4 3.1 3.6 3.9 12.5 0.936769 107.284 100.5 5 6 7 8";
        QTest::newRow("an overflow leaves the window and its variables as they were") << R"(
            pick Combo1 2 ; type Text1 2.2 ; type Text2 1.9 ; click Command5 ; click Check2 ; type Text5 100
            click Command4 ; type Text5 3.3e38 ; snapshot ; click Command4 ; warning Переполнение ; unchanged
            type Text1 1e38 ; type Text2 1e38 ; snapshot ; click Command5 ; warning Переполнение ; unchanged
        )" << "2 2.2 1.9 0 0 0.980861 101.951 100 5 2 7 8";
        QTest::newRow("Очистить empties the window, keeping the size and the sum") << R"(
            pick Combo1 3 ; type Text1 2.5 ; type Text2 4.2 ; type Text3 6 ; click Command5 ; click Check1
            click Check3 ; type Text5 300 ; click Command4 ; click Command1 ; focus Combo1 ; is Combo1 3 ; is Text1
            is Label9 0 ; is Label7 ; is Label8 Норма ; is Check1 0 ; disabled Frame1 Label16 Text5 Command4
        )" << "3 0 0 0 0 0 0 300 5 6 7 8";
        // clang-format on
    }

    void scenarios()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        ForkWindow fork;
        for (const QString& part : steps.split(QRegularExpression("\\n\\s*reopen\\n"))) {
            QVERIFY(!fork.isLoaded());
            fork.load();
            fork.window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(fork.window()));
            if (!Scenario(fork.window(), *watcher).run(part))
                return;
        }
        QCOMPARE(variables(fork), state);
    }
};

ZORET_UI_TEST_MAIN(ForkWindowTest)
#include "test_fork_window.moc"
