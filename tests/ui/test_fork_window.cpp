// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"
#include "ui/fork_window/fork_window.h"

#include <QRegularExpression>

using zoret::ui::ForkWindow;

namespace {

// The steps this window's scenarios repeat, written out in full:
//   margin N K1 K2 ...        choose N outcomes, type the odds, click "Маржа"
//   split SUM                 type the sum, click "Сумма"
//   stakes A|B|C|D            the four stakes shown; payouts: the four wins
//   enabled A B ... / disabled A B ... / tabs A B ...  (Tab from each to the next)
QStringList expanded(const QString& script)
{
    QStringList steps;
    for (const QString& line : script.split('\n')) {
        const QString verb = line.trimmed().section(' ', 0, 0);
        const QString rest = line.trimmed().mid(verb.size() + 1);
        const QStringList words = rest.split(' ');
        if (verb == "margin") {
            steps << "pick Combo1 " + words[0];
            for (int i = 1; i < words.size(); ++i)
                steps << QString("type Text%1 ").arg(i) + words[i];
            steps << "click Command5";
        } else if (verb == "split") {
            steps << "type Text5 " + rest << "click Command4";
        } else if (verb == "stakes" || verb == "payouts") {
            const QStringList shown = rest.split('|');
            for (int i = 0; i < shown.size(); ++i)
                steps << QString("is Label%1 ").arg(i + (verb == "stakes" ? 9 : 19)) + shown[i];
        } else if (verb == "enabled" || verb == "disabled") {
            for (const QString& name : words)
                steps << verb + ' ' + name;
        } else if (verb == "tabs") {
            for (int i = 1; i < words.size(); ++i)
                steps << "key " + words[i - 1] + " Tab"
                      << "focus " + words[i];
        } else if (!verb.isEmpty()) {
            steps << line.trimmed();
        }
    }
    return steps;
}

// What the window keeps in its variables: size, odds, margin, return, sum,
// centring codes and key.
QString variables(const ForkWindow& fork)
{
    QStringList parts{QString::number(fork.forkSize)};
    for (float value : fork.forkOdds)
        parts << QString::number(value);
    for (float value : {fork.margin, fork.totalReturn, fork.stakeSum})
        parts << QString::number(value);
    for (auto code : fork.centreCode)
        parts << QString::number(code);
    return (parts << QString::number(fork.centreKey)).join(' ');
}

} // namespace

// The fork window driven as a user does. The digits are the core's: each
// scenario checks which boxes are read, where the results go, what is
// enabled and where the focus lands. A "reopen" line closes nothing itself:
// the step before it closes the window, which then opens again.
class ForkWindowTest : public WindowTestCase {
    Q_OBJECT

private slots:
    void captionsAtOpening()
    {
        ForkWindow fork;
        fork.load();
        static const QRegularExpression named("^(Label|Check|Command|Frame)\\d+$");
        for (QWidget* shown : fork.window()->findChildren<QWidget*>(named)) {
            const auto* button = qobject_cast<QAbstractButton*>(shown);
            const auto* frame = qobject_cast<QGroupBox*>(shown);
            const QString text = button  ? button->text()
                                 : frame ? frame->title()
                                         : shown->property("caption").toString();
            QVERIFY2(!text.isEmpty() || shown->objectName() == "Label7", qPrintable(shown->objectName()));
        }
    }

    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        QTest::newRow("the size opens that many boxes, Маржа reads them and opens the sum for a fork")
            << R"(
            focus Combo1
            pick Combo1 3
            enabled Text1 Text2 Text3 Label1 Label2 Label3 Check1 Check2 Check3 Command5 Label5 Label6 Label7 Label8 Label13 Label14
            disabled Text4 Label4 Check4 Frame1 Command4 Text5 Label16
            margin 4 4 4 4.5 5
            is Label6 0.9222222
            is Label7 Дырка (%)
            is Label8 8.433738
            enabled Command4 Label16 Text5 Frame1
            click Check4
            pick Combo1 2
            disabled Text3 Label3 Check3 Text4 Command4 Frame1
            click Command5
            is Label6 0.5
            is Label8 100
        )"
            << "2 4 4 4.5 5 0.5 0 0 5 6 7 4 0";
        QTest::newRow("a missing or negative price stops both buttons, changing nothing but the focus")
            << R"(
            margin 4 4 4 4.5 -5
            message Впишите коэффициенты
            focus Text4
            is Label6 0
            disabled Command4
            type Text4 5
            click Command5
            click Check1
            split 1000
            type Text2 x
            snapshot
            click Command5
            message Впишите коэффициенты
            focus Text2
            click Command4
            unchanged
            type Text2 4
            type Text5 0
            snapshot
            click Command4
            unchanged
        )"
            << "4 4 4 4.5 5 0.922222 1084.34 1000 1 6 7 8 1678";
        QTest::newRow(
            "Сумма splits by Enter and centres the ticked outcome; no fork closes it; values outlive the window")
            << R"(
            margin 2 2.2 1.9
            type Text5 100
            key Text5 Enter
            is Label14  101.9512
            stakes  46.34146| 53.65854| 0| 0
            payouts  101.9512| 101.9512| 0| 0
            click Check1
            click Command4
            stakes  47.36842| 52.63158| 0| 0
            payouts  104.2105| 100| 0| 0
            type Text1 1.5
            click Command5
            is Label7 
            is Label8 Норма
            disabled Command4 Label16 Text5 Frame1
            click Command2
            reopen
            is Combo1 
            is Text1 
            disabled Text1 Command5
            payouts 0|0|0|0
        )"
            << "2 0 0 0 0 0 0 100 5 6 7 8 16";
        QTest::newRow("each box centres its own outcome, and Esc closes") << R"(
            margin 4 4 4 4.5 5
            click Check1
            click Check2
            click Check3
            click Check4
            click Check4
            split 1000
            stakes  276.9231| 276.9231| 246.1538| 200
            payouts  1107.692| 1107.692| 1107.692| 1000
            key Text5 Esc
            reopen
        )"
                                                                          << "4 0 0 0 0 0 0 1000 5 6 7 8 1238";
        QTest::newRow("Сумма divides with the margin of the odds it splits, and shows Норма for no fork")
            << R"(
            margin 3 2.5 4.2 7
            click Check1
            click Check2
            type Text3 6
            split 300
            is Label6 0.8047619
            stakes  156.7164| 93.28358| 50| 0
            type Text3 1.5
            split 250
            is Label8 Норма
            disabled Command4 Label16 Text5 Frame1
            is Label9  156.7164
            snapshot
            click Command5
            unchanged
        )"
            << "3 2.5 4.2 1.5 0 1.30476 372.781 250 1 2 7 8 127";
        QTest::newRow("an overflow leaves the window and its variables as they were")
            << R"(
            margin 2 2.2 1.9
            click Check2
            split 100
            type Text5 3.3e38
            snapshot
            click Command4
            message Переполнение
            unchanged
            type Text1 1e38
            type Text2 1e38
            snapshot
            click Command5
            message Переполнение
            unchanged
        )"
            << "2 2.2 1.9 0 0 0.980861 101.951 100 5 2 7 8 52";
        QTest::newRow("Очистить empties the window, keeping the size, the sum and the centring key")
            << R"(
            margin 3 2.5 4.2 6
            click Check1
            click Check3
            split 300
            click Command1
            focus Combo1
            is Combo1 3
            is Text1 
            is Label9 0
            is Label7 
            is Label8 Норма
            is Check1 0
            disabled Frame1 Label16 Text5 Command4
        )"
            << "3 0 0 0 0 0 0 300 5 6 7 8 163";
        QTest::newRow("Tab follows the design's order once everything is on") << R"(
            margin 4 4 4 4.5 5
            tabs Combo1 Text1 Text2 Text3 Text4 Command5 Text5 Command4 Check1 Check2 Check3 Check4 Command1 Command2 Combo1
        )"
                                                                              << "";
    }

    void scenarios()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        ForkWindow fork;
        for (const QString& part : (expanded(steps).join(QChar(10)) + QChar(10)).split("\nreopen\n")) {
            QVERIFY(!fork.isLoaded());
            fork.load();
            fork.window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(fork.window()));
            if (!Scenario(fork.window(), *watcher).run(part))
                return;
        }
        if (!state.isEmpty())
            QCOMPARE(variables(fork), state);
    }
};

ZORET_UI_TEST_MAIN(ForkWindowTest)
#include "test_fork_window.moc"
