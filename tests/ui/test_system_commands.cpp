// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/window_test_case.h"

using zoret::ui::MainWindow;

// "Экспресс", picking a size, "Система" and the arrows.
class SystemCommands : public WindowTestCase {
    Q_OBJECT

private slots:
    void accumulatorMultipliesEveryListedEvent_data()
    {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two") << QStringList{"1.5", "2"} << " 3";
        QTest::newRow("fifteen digits") << QStringList{"1.5", "2", "1.1"} << " 3.3";
        QTest::newRow("a zero") << QStringList{"1.5", "0", "3"} << " 0";
        QTest::newRow("a negative") << QStringList{"1.5", "-2"} << "-3";
        QTest::newRow("25 events") << repeated("2", 25) << " 33554432";
    }

    void accumulatorMultipliesEveryListedEvent()
    {
        QFETCH(QStringList, odds);
        QFETCH(QString, shown);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, odds);
        click(w, "Command3");
        QCOMPARE(caption(w, "Label1"), shown);
        click(w, "Command8");
        QCOMPARE(text(w, "textKf"), shown);
    }

    void accumulatorBeyondTheDoubleRangeChangesNothing()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"2", "3"});
        click(w, "Command3");
        addOdds(w, {"1e200", "1e200"});
        click(w, "Command3");
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Переполнение"});
        QCOMPARE(caption(w, "Label1"), QString(" 6"));
        QCOMPARE(form.accumulatorOdds, 6.0);
        QCOMPARE(listItems(w).size(), 4);
    }

    void arrowsCopyZeroBeforeAnyResult()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, "Command8");
        QCOMPARE(text(w, "textKf"), QString(" 0"));
        type(w, "Text1", "");
        click(w, "Command9");
        QCOMPARE(text(w, "textKf"), QString(" 0"));
    }

    void pickingASizeNamesTheSystem_data()
    {
        QTest::addColumn<int>("events");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::newRow("3/2") << 3 << "2" << 32 << "Система 3/2"
                             << "3 экспресса";
        QTest::newRow("4/2") << 4 << "2" << 42 << "Система 4/2"
                             << "6 экспрессов";
        QTest::newRow("7/5") << 7 << "5" << 75 << "Система 7/5"
                             << "21 экспресс";
        QTest::newRow("8/7") << 8 << "7" << 87 << "Система 8/7"
                             << "8 экспрессов";
        QTest::newRow("13/3") << 13 << "3" << 133 << "Система 13/3"
                              << "286 экспрессов";
        QTest::newRow("13/10") << 13 << "10" << 1310 << "Система 13/10"
                               << "286 экспрессов";
        QTest::newRow("14/4") << 14 << "4" << 144 << "Система 14/4"
                              << "1001 экспресс";
        QTest::newRow("20/10") << 20 << "10" << 2010 << "Система 20/10"
                               << "184756 экспрессов";
        QTest::newRow("20/19") << 20 << "19" << 2019 << "Система 20/19"
                               << "20 экспрессов";
    }

    void pickingASizeNamesTheSystem()
    {
        QFETCH(int, events);
        QFETCH(QString, size);
        QFETCH(int, key);
        QFETCH(QString, name);
        QFETCH(QString, count);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, repeated("1.5", events));
        pick(w, "Combo1", size);
        QCOMPARE(form.systemKey, key);
        QCOMPARE(form.systemSize, size.toInt());
        QCOMPARE(caption(w, "Label7"), name);
        QCOMPARE(caption(w, "Label3"), count);
        QVERIFY(isEnabledOwn(w, "Command7"));
        QVERIFY(caption(w, "Label4").isEmpty()); // not evaluated until "Система"
    }

    void systemShowsTheTotalOfTheChosenSize_data()
    {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<float>("accumulators");
        QTest::newRow("4 odds, 2") << QStringList{"1.85", "2.10", "1.50", "3.00"} << "2"
                                   << " 26.16"
                                   << " 26.1599998474121" << 6.0f;
        QTest::newRow("4 odds, 3") << QStringList{"1.85", "2.10", "1.50", "3.00"} << "3"
                                   << " 35.2575"
                                   << " 35.2574996948242" << 4.0f;
        QTest::newRow("3 odds") << QStringList{"2", "2.5", "3"} << "2"
                                << " 18.5"
                                << " 18.5" << 3.0f;
        QTest::newRow("5 odds") << QStringList{"2.24", "2.69", "1.25", "2.78", "2.65"} << "3"
                                << " 119.2415"
                                << " 119.241455078125" << 10.0f;
        QTest::newRow("20 of 1.5, 2") << repeated("1.5", 20) << "2"
                                      << " 427.5"
                                      << " 427.5" << 190.0f;
        QTest::newRow("20 of 1.5, 10") << repeated("1.5", 20) << "10"
                                       << " 1.065396E+07"
                                       << " 10653963" << 184756.0f;
        QTest::newRow("20 of 1.5, 19") << repeated("1.5", 20) << "19"
                                       << " 44336.7586669922"
                                       << " 44336.7586669922" << 20.0f;
        QTest::newRow("20 of 100, 18") << repeated("100", 20) << "18"
                                       << " 1.9E+38"
                                       << " 1.89999994939549E+38" << 190.0f;
        QTest::newRow("20 of 100, 19") << repeated("100", 20) << "19"
                                       << " 2.00000011352822E+39"
                                       << " 2.00000011352822E+39" << 20.0f;
        QTest::newRow("20 of 150, 2: only what the size needs") << repeated("150", 20) << "2"
                                                                << " 4275000"
                                                                << " 4275000" << 190.0f;
    }

    void systemShowsTheTotalOfTheChosenSize()
    {
        QFETCH(QStringList, odds);
        QFETCH(QString, size);
        QFETCH(QString, shown);
        QFETCH(QString, copied);
        QFETCH(float, accumulators);
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, odds);
        pick(w, "Combo1", size);
        click(w, "Command7");
        QCOMPARE(caption(w, "Label4"), shown);
        QCOMPARE(form.systemVariantCount, accumulators);
        click(w, "Command9");
        QCOMPARE(text(w, "textKf"), copied);
    }

    void overflowInTheChosenSizeKeepsTheLastResult()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, repeated("150", 20));
        pick(w, "Combo1", "2");
        click(w, "Command7");
        QCOMPARE(caption(w, "Label4"), QString(" 4275000"));
        pick(w, "Combo1", "18");
        click(w, "Command7");
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Переполнение"});
        QCOMPARE(caption(w, "Label4"), QString(" 4275000"));
        QCOMPARE(form.systemOdds, 4275000.0);
        QCOMPARE(form.systemVariantCount, 190.0f);
        QVERIFY(form.isLoaded());
    }

    void systemWithoutAChosenSizeAsksForOne()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3", "4"});
        pick(w, "Combo1", "2");
        addOdds(w, {"5"});
        click(w, "Command7");
        const QList<ShownMessage> shown = watcher->takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString("Выберите размер системы"));
        QCOMPARE(shown[0].title, QString("Zoret"));
        QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
        QCOMPARE(w->focusWidget(), control<QWidget>(w, "Combo1"));
        QVERIFY(caption(w, "Label4").isEmpty());
    }

    void systemDescribesTheListAfterARemoval()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        addOdds(w, {"1.5", "2", "3", "4", "5"});
        pick(w, "Combo1", "3");
        QCOMPARE(caption(w, "Label3"), QString("10 экспрессов"));
        selectItem(w, 4);
        click(w, "Command2");
        click(w, "Command7");
        QCOMPARE(caption(w, "Label7"), QString("Система 4/3"));
        QCOMPARE(caption(w, "Label3"), QString("4 экспресса"));
        QCOMPARE(form.systemVariantCount, 4.0f);
        QCOMPARE(form.systemKey, 43);
        QCOMPARE(caption(w, "Label4"), QString(" 63")); // 9 + 12 + 18 + 24
    }

    void tickingTheSystemBoxSetsTheFlag()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        click(w, "optEndsum");
        auto* box = control<QCheckBox>(w, "Check1");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(form.systemTicked);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(!form.systemTicked);
    }
};

ZORET_UI_TEST_MAIN(SystemCommands)
#include "test_system_commands.moc"
