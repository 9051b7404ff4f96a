// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/window_test_case.h"

using zoret::ui::MainWindow;

// Adding, removing and clearing coefficients, and what the count enables.
class OddsList : public WindowTestCase {
    Q_OBJECT

private slots:
    void typedTextIsListedAsStrOfVal_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::newRow("decimal") << "1.85"
                                 << " 1.85";
        QTest::newRow("below one") << "0.5"
                                   << " .5";
        QTest::newRow("negative") << "-2"
                                  << "-2";
        QTest::newRow("comma ends the number") << "1,85"
                                               << " 1";
        QTest::newRow("letters") << "abc"
                                 << " 0";
        QTest::newRow("lone blank") << " "
                                    << " 0";
        QTest::newRow("blanks inside") << " 2 . 5 "
                                       << " 2.5";
        QTest::newRow("16 digits") << "1.234567890123456"
                                   << " 1.23456789012346";
        QTest::newRow("exponent") << "1e15"
                                  << " 1E+15";
    }

    void typedTextIsListedAsStrOfVal()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {typed});
        QCOMPARE(listItems(w), QStringList{listed});
        QVERIFY(text(w, "Text1").isEmpty());
        QCOMPARE(w->focusWidget(), control<QWidget>(w, "Text1"));
        QCOMPARE(caption(w, "Label6"), QString("( 1 )"));
        QCOMPARE(form.eventCount, 1);
    }

    void emptyEntryIsIgnored()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, "Command1");
        QCOMPARE(listItems(w), QStringList());
        QCOMPARE(caption(w, "Label6"), QString("( 0 )"));
    }

    void buttonAddsLikeEnter()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        type(w, "Text1", "2.1");
        click(w, "Command1");
        QCOMPARE(listItems(w), QStringList{" 2.1"});
    }

    void enablingFollowsTheCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("accumulator");
        QTest::addColumn<bool>("sizes");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("1") << 1 << false << false << QStringList();
        QTest::newRow("2") << 2 << true << false << QStringList();
        QTest::newRow("3") << 3 << true << true << sizesUpTo(2);
        QTest::newRow("4") << 4 << true << true << sizesUpTo(3);
        QTest::newRow("20") << 20 << true << true << sizesUpTo(19);
        QTest::newRow("21") << 21 << true << false << sizesUpTo(20);
        QTest::newRow("23") << 23 << true << false << sizesUpTo(22);
    }

    void enablingFollowsTheCount()
    {
        QFETCH(int, count);
        QFETCH(bool, accumulator);
        QFETCH(bool, sizes);
        QFETCH(QStringList, offered);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, repeated("1.5", count));
        QCOMPARE(isEnabledOwn(w, "Command3"), accumulator);
        QCOMPARE(isEnabledOwn(w, "Combo1"), sizes);
        QCOMPARE(isEnabledOwn(w, "Label5"), sizes);
        QVERIFY(!isEnabledOwn(w, "Command7"));
        QCOMPARE(comboItems(w), offered);
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QCOMPARE(caption(w, "Label6"), QString("( %1 )").arg(count));
    }

    void removalFollowsTheCount_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("accumulator");
        QTest::addColumn<bool>("sizes");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("21 to 20") << 21 << true << true << sizesUpTo(19);
        QTest::newRow("22 to 21") << 22 << true << false << sizesUpTo(20);
        QTest::newRow("4 to 3") << 4 << true << true << sizesUpTo(2);
        QTest::newRow("3 to 2") << 3 << true << false << sizesUpTo(2);
        QTest::newRow("2 to 1") << 2 << false << false << QStringList();
    }

    void removalFollowsTheCount()
    {
        QFETCH(int, before);
        QFETCH(bool, accumulator);
        QFETCH(bool, sizes);
        QFETCH(QStringList, offered);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, repeated("1.5", before));
        if (before <= 20 && before >= 3)
            pick(w, "Combo1", "2");
        selectItem(w, before - 1);
        click(w, "Command2");
        QCOMPARE(form.eventCount, before - 1);
        QCOMPARE(isEnabledOwn(w, "Command3"), accumulator);
        QCOMPARE(isEnabledOwn(w, "Combo1"), sizes);
        QCOMPARE(isEnabledOwn(w, "Label5"), sizes);
        if (!sizes)
            QVERIFY(!isEnabledOwn(w, "Command7"));
        QCOMPARE(comboItems(w), offered);
        QCOMPARE(w->focusWidget(), control<QWidget>(w, "List1"));
        QCOMPARE(caption(w, "Label6"), QString("( %1 )").arg(before - 1));
    }

    void removingTheChosenLastSizeLeavesNoChoice()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3", "4"});
        pick(w, "Combo1", "3");
        selectItem(w, 0);
        click(w, "Command2");
        QCOMPARE(comboItems(w), sizesUpTo(2));
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QString());
        QCOMPARE(form.systemSize, 3); // kept until the size is read again
    }

    void removingKeepsAChosenSizeThatStillFits()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3", "4", "5"});
        pick(w, "Combo1", "2");
        selectItem(w, 4);
        click(w, "Command2");
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QString("2"));
        QVERIFY(isEnabledOwn(w, "Command7"));
    }

    void removingWithNothingSelectedDoesNothing()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, "Command2");
        addOdds(w, {"1.5", "2"});
        click(w, "Command2");
        QCOMPARE(listItems(w), (QStringList{" 1.5", " 2"}));
    }

    void doubleClickRemovesThatItem()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3"});
        doubleClickItem(w, 1);
        QCOMPARE(listItems(w), (QStringList{" 1.5", " 3"}));
        QCOMPARE(caption(w, "Label6"), QString("( 2 )"));
        QVERIFY(!isEnabledOwn(w, "Combo1"));
    }

    void addingClearsTheChosenSize()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3", "4"});
        pick(w, "Combo1", "2");
        QVERIFY(isEnabledOwn(w, "Command7"));
        addOdds(w, {"5"});
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QVERIFY(isEnabledOwn(w, "Command7"));
        click(w, "Command7");
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Выберите размер системы"});
        QCOMPARE(w->focusWidget(), control<QWidget>(w, "Combo1"));
    }

    void clearAllReturnsToTheStartState()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3"});
        click(w, "Command3");
        pick(w, "Combo1", "2");
        click(w, "Command7");
        click(w, "optEndsum");
        control<QCheckBox>(w, "Check1")->click();
        type(w, "textKf", "2");
        QVERIFY(form.systemTicked);
        click(w, "Command4");
        QCOMPARE(listItems(w), QStringList());
        QCOMPARE(caption(w, "Label6"), QString("( 0 )"));
        for (const char* label : {"Label1", "Label3", "Label4", "Label7", "lbRezultInfo"})
            QVERIFY2(caption(w, label).isEmpty(), label);
        QCOMPARE(caption(w, "lbRezultSum"), QString("0"));
        QVERIFY(text(w, "textKf").isEmpty());
        QVERIFY(!control<QRadioButton>(w, "optEndsum")->isChecked());
        QVERIFY(!control<QCheckBox>(w, "Check1")->isChecked());
        QVERIFY(!isEnabledOwn(w, "Check1"));
        QVERIFY(!isEnabledOwn(w, "Command3"));
        QVERIFY(!isEnabledOwn(w, "Combo1"));
        QCOMPARE(comboItems(w), QStringList());
        QCOMPARE(form.systemTicked, false);
        QCOMPARE(form.accumulatorOdds, 0.0);
        QCOMPARE(form.systemOdds, 0.0);
        QCOMPARE(form.systemVariantCount, 3.0f); // kept for the stake calculator
        QCOMPARE(w->focusWidget(), control<QWidget>(w, "Text1"));
    }

    void textBeyondTheDoubleRangeLeavesEverythingAsItWas()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2"});
        addOdds(w, {"1e999"});
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Переполнение"});
        QCOMPARE(listItems(w), (QStringList{" 1.5", " 2"}));
        QCOMPARE(caption(w, "Label6"), QString("( 2 )"));
        QCOMPARE(form.eventCount, 2);
        QCOMPARE(text(w, "Text1"), QString("1e999"));
        QVERIFY(form.isLoaded());
    }
};

ZORET_UI_TEST_MAIN(OddsList)
#include "test_odds_list.moc"
