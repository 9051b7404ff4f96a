// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/window_test_case.h"

using zoret::ui::MainWindow;

namespace {

enum Mode { Win, Coefficient, Stake };

const char* optionOf(Mode mode) { return mode == Win ? "optEndsum" : mode == Coefficient ? "optKf" : "optBeginsum"; }

void fill(QWidget* w, const QString& win, const QString& coefficient, const QString& stake)
{
    for (const auto& [box, typed] : {std::pair{"textSum", win}, {"textKf", coefficient}, {"textStavka", stake}}) {
        auto* edit = control<QLineEdit>(w, box);
        if (edit->isEnabled())
            type(w, box, typed);
    }
}

void tick(QWidget* w)
{
    auto* box = control<QCheckBox>(w, "Check1");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

} // namespace

// The "Считать..." panel: which value is solved from which, with and without
// the whole system.
class StakePanel : public WindowTestCase {
    Q_OBJECT

private slots:
    void eachModeEnablesItsInputs_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("win");
        QTest::addColumn<bool>("coefficient");
        QTest::addColumn<bool>("stake");
        QTest::addColumn<bool>("system");
        QTest::newRow("win") << int(Win) << "Выигрыш равен" << false << true << true << true;
        QTest::newRow("coefficient") << int(Coefficient) << "Коэффициент равен" << true << false << true << false;
        QTest::newRow("stake") << int(Stake) << "Ставка равна" << true << true << false << true;
    }

    void eachModeEnablesItsInputs()
    {
        QFETCH(int, mode);
        QFETCH(QString, info);
        QFETCH(bool, win);
        QFETCH(bool, coefficient);
        QFETCH(bool, stake);
        QFETCH(bool, system);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        // Arrive from every other mode: the result must not depend on it.
        for (Mode from : {Win, Coefficient, Stake}) {
            click(w, optionOf(from));
            click(w, optionOf(Mode(mode)));
            QCOMPARE(isEnabledOwn(w, "textSum"), win);
            QCOMPARE(isEnabledOwn(w, "lbSum"), win);
            QCOMPARE(isEnabledOwn(w, "textKf"), coefficient);
            QCOMPARE(isEnabledOwn(w, "lbKf"), coefficient);
            QCOMPARE(isEnabledOwn(w, "textStavka"), stake);
            QCOMPARE(isEnabledOwn(w, "lbStavka"), stake);
            QCOMPARE(isEnabledOwn(w, "Check1"), system);
            QVERIFY(isEnabledOwn(w, "ComBatRezult"));
            QVERIFY(isEnabledOwn(w, "lbRezultInfo"));
            QVERIFY(isEnabledOwn(w, "lbRezultSum"));
            QCOMPARE(caption(w, "lbRezultInfo"), info);
        }
    }

    void answers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("win");
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("shown");
        QTest::newRow("win") << int(Win) << ""
                             << "1.85"
                             << "100"
                             << " 185";
        QTest::newRow("win, empty fields") << int(Win) << ""
                                           << ""
                                           << ""
                                           << " 0";
        QTest::newRow("coefficient") << int(Coefficient) << "185"
                                     << ""
                                     << "100"
                                     << " 1.85";
        QTest::newRow("stake") << int(Stake) << "185"
                               << "1.85"
                               << ""
                               << " 100";
        QTest::newRow("stake, thirds") << int(Stake) << "100"
                                       << "3"
                                       << ""
                                       << " 33.3333333333333";
        QTest::newRow("comma ends a stake") << int(Win) << ""
                                            << "2"
                                            << "100,5"
                                            << " 200";
        QTest::newRow("point in a stake") << int(Win) << ""
                                          << "2"
                                          << "100.5"
                                          << " 201";
    }

    void answers()
    {
        QFETCH(int, mode);
        QFETCH(QString, win);
        QFETCH(QString, coefficient);
        QFETCH(QString, stake);
        QFETCH(QString, shown);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, optionOf(Mode(mode)));
        fill(w, win, coefficient, stake);
        click(w, "ComBatRezult");
        QCOMPARE(caption(w, "lbRezultSum"), shown);
    }

    void missingInputsAreAskedFor_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("coefficient mode, no stake") << int(Coefficient) << "Впишите размер ставки"
                                                    << "textStavka";
        QTest::newRow("stake mode, no coefficient") << int(Stake) << "Впишите коэффициент"
                                                    << "textKf";
    }

    void missingInputsAreAskedFor()
    {
        QFETCH(int, mode);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, optionOf(Mode(mode)));
        fill(w, "200", "2", "2");
        click(w, "ComBatRezult");
        QCOMPARE(caption(w, "lbRezultSum"), QString(" 100"));
        type(w, "textSum", "185");
        type(w, qPrintable(focus), "0,5");
        click(w, "ComBatRezult");
        const QList<ShownMessage> shown = watcher->takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].title, QString("Zoret"));
        QCOMPARE(w->focusWidget(), control<QWidget>(w, qPrintable(focus)));
        QCOMPARE(caption(w, "lbRezultSum"), QString(" 100"));
        QCOMPARE(form.resultAmount, 0.0);
    }

    void wholeSystemSums_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("win, ticked") << true << int(Win) << " 20";
        QTest::newRow("win, clear") << false << int(Win) << " 200";
        QTest::newRow("stake, ticked") << true << int(Stake) << " 100";
        QTest::newRow("stake, clear") << false << int(Stake) << " 10";
        QTest::newRow("coefficient ignores the box") << true << int(Coefficient) << " 2";
    }

    void wholeSystemSums()
    {
        QFETCH(bool, ticked);
        QFETCH(int, mode);
        QFETCH(QString, shown);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3", "4", "5"});
        pick(w, "Combo1", "3");
        click(w, "Command7");
        QCOMPARE(form.systemVariantCount, 10.0f);
        click(w, "optEndsum");
        if (ticked)
            tick(w);
        click(w, optionOf(Mode(mode)));
        // 3 of 5: 10 accumulators. Stake 100 at 2; a win of 20 at 2.
        if (mode == Win)
            fill(w, "", "2", "100");
        else if (mode == Stake)
            fill(w, "20", "2", "");
        else
            fill(w, "200", "", "100");
        click(w, "ComBatRezult");
        QCOMPARE(caption(w, "lbRezultSum"), shown);
    }

    void wholeSystemWithoutAnEvaluatedSystemAsksForOne_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("win") << int(Win);
        QTest::newRow("stake") << int(Stake);
    }

    void wholeSystemWithoutAnEvaluatedSystemAsksForOne()
    {
        QFETCH(int, mode);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, optionOf(Mode(mode)));
        fill(w, "20", "2", "100");
        click(w, "ComBatRezult");
        const QString before = caption(w, "lbRezultSum");
        tick(w);
        click(w, "ComBatRezult");
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Выберите размер системы"});
        QCOMPARE(caption(w, "lbRezultSum"), before);
    }

    void switchingModesKeepsTextsAnswerAndTick()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, "optBeginsum");
        fill(w, "185", "1.85", "");
        tick(w);
        click(w, "ComBatRezult");
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Выберите размер системы"});
        tick(w);
        click(w, "ComBatRezult");
        click(w, "optKf");
        QVERIFY(!isEnabledOwn(w, "Check1"));
        tick(w); // a disabled box takes no click
        click(w, "optBeginsum");
        QCOMPARE(text(w, "textSum"), QString("185"));
        QCOMPARE(text(w, "textKf"), QString("1.85"));
        QCOMPARE(caption(w, "lbRezultSum"), QString("0")); // the answer of another mode is not shown
        QVERIFY(!control<QCheckBox>(w, "Check1")->isChecked());
        QVERIFY(!form.systemTicked);
    }

    void overflowKeepsTheLastAnswer()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, "optEndsum");
        fill(w, "", "2", "3");
        click(w, "ComBatRezult");
        fill(w, "", "1e300", "1e300");
        click(w, "ComBatRezult");
        fill(w, "", "1e999", "1");
        click(w, "ComBatRezult");
        QCOMPARE(watcher->takeMessageTexts(), (QStringList{"Переполнение", "Переполнение"}));
        QCOMPARE(caption(w, "lbRezultSum"), QString(" 6"));
        QCOMPARE(form.resultAmount, 6.0);
        QCOMPARE(form.coefficient, 2.0);
        QCOMPARE(form.stakeAmount, 3.0);
    }
};

ZORET_UI_TEST_MAIN(StakePanel)
#include "test_stake_panel.moc"
