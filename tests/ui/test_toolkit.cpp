// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/form.h"
#include "core/runtime_error.h"
#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"

using namespace zoret::ui;

namespace {

// A small window whose handlers count what reaches them.
class Probe : public Form {
public:
    Probe() : Form("Probe", "Probe", 3000, 3000)
    {
        Check.onClick([this] { ++checkClicks; });
        OptionA.onClick([this] { ++optionClicks; });
        OptionB.onClick([this] { ++optionClicks; });
        Combo.onClick([this] { ++comboClicks; });
        List.onDblClick([this] { ++listDblClicks; });
        Failing.onClick([this] {
            Result.setCaption("half way"); // a handler must not do this before it can fail
            throw zoret::RuntimeError(failWith);
        });
        Safe.onClick([this] {
            const double value = 1e308 * 10; // computed first, shown only on success
            if (value > 1e308)
                throw zoret::RuntimeError(zoret::ErrorCode::Overflow);
            Result.setCaption("never");
        });
        Close.onClick([this] { unload(); });
    }

    int loads = 0;
    int checkClicks = 0;
    int optionClicks = 0;
    int comboClicks = 0;
    int listDblClicks = 0;
    zoret::ErrorCode failWith = zoret::ErrorCode::Overflow;

    CheckBox Check;
    OptionButton OptionA, OptionB;
    Frame Box;
    TextBox Inner;
    ComboBox Combo;
    ListBox List;
    Label Result;
    CommandButton Failing, Safe, Close;

protected:
    Layout layout() override
    {
        return {
            {Box, "Box", inWindow, {0, 0, 1500, 1500}, 0},
            {OptionA, "OptionA", &Box, {100, 200, 1200, 255}, 1},
            {OptionB, "OptionB", &Box, {100, 500, 1200, 255}, 2},
            {Inner, "Inner", &Box, {100, 800, 1200, 285}, 3},
            {Check, "Check", inWindow, {1600, 0, 1200, 255}, 4},
            {Combo, "Combo", inWindow, {1600, 300, 1200, 315}, 5},
            {List, "List", inWindow, {1600, 700, 1200, 1000}, 6},
            {Result, "Result", inWindow, {0, 1800, 2900, 600}, 7, Style::Framed},
            {Failing, "Failing", inWindow, {0, 2500, 900, 375}, 8},
            {Safe, "Safe", inWindow, {1000, 2500, 900, 375}, 9},
            {Close, "Close", inWindow, {2000, 2500, 900, 375}, 10, Style::CancelButton},
        };
    }

    void Form_Load() override
    {
        ++loads;
        Result.setCaption("before");
        Failing.setCaption("Fail");
    }
};

} // namespace

class Toolkit : public WindowTestCase {
    Q_OBJECT

private slots:
    void checkBoxValueRunsClickOnlyOnAChange_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("clicks");
        QTest::newRow("same value") << QList<int>{0, 0} << 0;
        QTest::newRow("tick") << QList<int>{1} << 1;
        QTest::newRow("tick twice") << QList<int>{1, 1} << 1;
        QTest::newRow("tick and clear") << QList<int>{1, 0} << 2;
    }

    void checkBoxValueRunsClickOnlyOnAChange()
    {
        QFETCH(QList<int>, values);
        QFETCH(int, clicks);
        Probe probe;
        probe.load();
        for (int value : values)
            probe.Check.setValue(value);
        QCOMPARE(probe.checkClicks, clicks);
        QCOMPARE(probe.Check.value(), values.last());
    }

    void userClicksRunTheSameHandlers()
    {
        Probe probe;
        probe.load();
        QWidget* w = probe.window();
        QTest::mouseClick(control<QCheckBox>(w, "Check"), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(probe.checkClicks, 1);
        QCOMPARE(probe.Check.value(), 1);
        QTest::mouseClick(control<QRadioButton>(w, "OptionB"), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(probe.optionClicks, 1);
    }

    void optionValueTrueRunsClickAndExcludesTheOthers()
    {
        Probe probe;
        probe.load();
        probe.OptionA.setValue(true);
        QCOMPARE(probe.optionClicks, 1);
        probe.OptionB.setValue(true);
        QCOMPARE(probe.optionClicks, 2);
        QVERIFY(!probe.OptionA.value());
        probe.OptionB.setValue(false);
        QVERIFY(!probe.OptionA.value() && !probe.OptionB.value());
        QCOMPARE(probe.optionClicks, 2);
    }

    void aDisabledFrameBlocksItsControls()
    {
        Probe probe;
        probe.load();
        QWidget* w = probe.window();
        probe.Box.setEnabled(false);
        QVERIFY(probe.Inner.enabled()); // its own state is kept
        auto* inner = control<QLineEdit>(w, "Inner");
        QVERIFY(!inner->isEnabled());
        QTest::mouseClick(control<QRadioButton>(w, "OptionA"), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(probe.optionClicks, 0);
        probe.Box.setEnabled(true);
        QVERIFY(inner->isEnabled());
        probe.Inner.setEnabled(false);
        probe.Box.setEnabled(false);
        probe.Box.setEnabled(true);
        QVERIFY(!inner->isEnabled());
    }

    void listReadsEmptyPastTheEndAndMinusOneWithoutSelection()
    {
        Probe probe;
        probe.load();
        probe.List.addItem("a");
        probe.List.addItem("b");
        QCOMPARE(probe.List.list(1), std::string("b"));
        QCOMPARE(probe.List.list(2), std::string());
        QCOMPARE(probe.List.list(500), std::string());
        QCOMPARE(probe.List.listIndex(), -1);
        control<QListWidget>(probe.window(), "List")->setCurrentRow(1);
        QCOMPARE(probe.List.listIndex(), 1);
        probe.List.removeItem(1);
        QCOMPARE(probe.List.listIndex(), -1);
        QCOMPARE(probe.List.listCount(), 1);
    }

    void comboClickOnlyOnAUserPick()
    {
        Probe probe;
        probe.load();
        for (const char* item : {"2", "3", "4"})
            probe.Combo.addItem(item);
        QCOMPARE(probe.Combo.text(), std::string()); // nothing chosen by adding
        probe.Combo.removeItem(0);
        probe.Combo.addItem("1", 0);
        QCOMPARE(probe.comboClicks, 0);
        pick(probe.window(), "Combo", "3");
        QCOMPARE(probe.comboClicks, 1);
        QCOMPARE(probe.Combo.text(), std::string("3"));
        probe.Combo.removeItem(1);
        QCOMPARE(probe.Combo.text(), std::string()); // the chosen entry went away
        QCOMPARE(probe.comboClicks, 1);
    }

    void labelCaptionKeepsCarriageReturnsAndShowsLines()
    {
        Probe probe;
        probe.load();
        probe.Result.setCaption("one\rtwo");
        QCOMPARE(probe.Result.caption(), std::string("one\rtwo"));
        QCOMPARE(probe.Result.label()->text(), QString("one\ntwo"));
    }

    void runTimeErrorsAreReportedAndTheWindowGoesOn_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("overflow") << int(zoret::ErrorCode::Overflow) << "Переполнение";
        QTest::newRow("division by zero") << int(zoret::ErrorCode::DivisionByZero) << "Деление на ноль";
        QTest::newRow("type mismatch") << int(zoret::ErrorCode::TypeMismatch) << "Несоответствие типа";
    }

    void runTimeErrorsAreReportedAndTheWindowGoesOn()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        Probe probe;
        probe.load();
        probe.failWith = zoret::ErrorCode(code);
        click(probe.window(), "Failing");
        const QList<ShownMessage> shown = watcher->takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].title, QString("Zoret"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QVERIFY(probe.isLoaded());
        click(probe.window(), "Safe");
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Переполнение"});
        QCOMPARE(probe.Result.caption(), std::string("half way"));
    }

    void unloadDestroysTheControlsAndTheNextLoadRunsFormLoad()
    {
        Probe probe;
        probe.load();
        QPointer<QWidget> first = probe.window();
        probe.Check.setValue(1);
        QTest::keyClick(first, Qt::Key_Escape); // the cancel button unloads
        QVERIFY(!probe.isLoaded());
        QTRY_VERIFY(first.isNull());
        probe.load();
        QCOMPARE(probe.loads, 2);
        QCOMPARE(probe.Check.value(), 0); // a fresh control
        QCOMPARE(probe.checkClicks, 1); // the controller kept its count
        QCOMPARE(probe.Result.caption(), std::string("before"));
    }

    void twipsMapToPixelsAtFifteenAPixel()
    {
        QCOMPARE(toPixels(Twips{120, 480, 1215, 285}), QRect(8, 32, 81, 19));
        QCOMPARE(toPixels(8670), 578);
    }
};

ZORET_UI_TEST_MAIN(Toolkit)
#include "test_toolkit.moc"
