// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "ui/fork_window/fork_window.h"
#include "ui/toolkit/geometry.h"
#include "ui/main_window/main_window.h"
#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"

#include <QRegularExpression>

using zoret::ui::ForkWindow;
using zoret::ui::MainWindow;

namespace {

const char* const oddsBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
const char* const stakeLabels[] = {"Label9", "Label10", "Label11", "Label12"};
const char* const payoutLabels[] = {"Label19", "Label20", "Label21", "Label22"};
const char* const centringBoxes[] = {"Check1", "Check2", "Check3", "Check4"};

QWidget* open(ForkWindow& fork)
{
    fork.load();
    QWidget* window = fork.window();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    return window;
}

QString focused(QWidget* window) { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }

QStringList captions(QWidget* window, const char* const (&names)[4])
{
    QStringList shown;
    for (const char* name : names)
        shown << caption(window, name);
    return shown;
}

// Picks the number of outcomes as a user does: opens the list and clicks the
// item. The click lands on the part of the row the popup shows: the rows of
// this narrow list are laid out wider than the popup, and their centre
// falls outside it.
void pickCount(QWidget* window, int outcomes)
{
    auto* combo = control<QComboBox>(window, "Combo1");
    QVERIFY(combo->isEnabled());
    const int index = combo->findText(QString::number(outcomes));
    QVERIFY(index >= 0);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex at = combo->model()->index(index, 0);
    view->scrollTo(at);
    const QRect row = view->visualRect(at).intersected(view->viewport()->rect());
    QVERIFY(!row.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
    QTRY_VERIFY(!view->isVisible());
}

// Chooses the number of outcomes, types the odds and asks for the margin.
void askMargin(QWidget* window, int outcomes, const QStringList& odds)
{
    pickCount(window, outcomes);
    for (int i = 0; i < odds.size(); ++i)
        type(window, oddsBoxes[i], odds[i]);
    click(window, "Command5");
}

void askStakes(QWidget* window, const QString& sum)
{
    type(window, "Text5", sum);
    click(window, "Command4");
}

// Everything the user can see of the window: captions, texts, ticks and,
// unless left out, which controls answer.
QStringList snapshot(QWidget* window, bool enabling = true)
{
    static const QRegularExpression controlName("^(Text|Label|Check|Command|Combo|Frame)\\d+$");
    QStringList seen;
    for (QWidget* child : window->findChildren<QWidget*>(controlName)) {
        QString entry = child->objectName() + (!enabling ? ": " : child->isEnabled() ? " on: " : " off: ");
        if (auto* label = qobject_cast<QLabel*>(child))
            entry += label->property("caption").toString();
        else if (auto* edit = qobject_cast<QLineEdit*>(child))
            entry += edit->text();
        else if (auto* box = qobject_cast<QCheckBox*>(child))
            entry += box->isChecked() ? "ticked" : "clear";
        else if (auto* combo = qobject_cast<QComboBox*>(child))
            entry += combo->currentText();
        seen << entry;
    }
    seen.sort();
    return seen;
}

QString variables(const ForkWindow& fork)
{
    QStringList parts{QString::number(fork.forkSize)};
    for (float k : fork.forkOdds)
        parts << QString::number(k, 'g', 9);
    parts << QString::number(fork.margin, 'g', 9) << QString::number(fork.totalReturn, 'g', 9)
          << QString::number(fork.stakeSum, 'g', 9);
    for (auto code : fork.centreCode)
        parts << QString::number(code);
    parts << QString::number(fork.centreKey);
    return parts.join(' ');
}

} // namespace

class ForkWindowTest : public WindowTestCase {
    Q_OBJECT

    void setSeparators(bool comma)
    {
        zoret::setLocaleSeparators(comma ? zoret::LocaleSeparators{",", "\xC2\xA0"}
                                         : zoret::LocaleSeparators{".", ","});
    }

private slots:
    void controlsAtOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips"); // width -1: not fixed by design
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("align"); // 0: not a label
        QTest::addColumn<bool>("framed");
        const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
        struct Row {
            const char* name;
            QRect twips;
            const char* shown;
            bool enabled;
            int align;
            bool framed;
        };
        const Row rows[] = {
            {"Combo1", {1680, 2160, 975, 315}, "", true, 0, false},
            {"Text1", {1680, 360, 1215, 285}, "", false, 0, false},
            {"Text2", {1680, 720, 1215, 285}, "", false, 0, false},
            {"Text3", {1680, 1080, 1215, 285}, "", false, 0, false},
            {"Text4", {1680, 1440, 1215, 285}, "", false, 0, false},
            {"Text5", {1680, 2760, 975, 285}, "", false, 0, false},
            {"Command5", {3000, 2040, 1095, 375}, "Маржа", false, 0, false},
            {"Command4", {3000, 2640, 1095, 375}, "Сумма", false, 0, false},
            {"Command1", {120, 2040, 1095, 375}, "Очистить", true, 0, false},
            {"Command2", {120, 2640, 1095, 375}, "ОК", true, 0, false},
            {"Frame1", {6120, 120, 1455, 1695}, "Центрирование", false, 0, false},
            {"Check1", {120, 240, 1215, 255}, "1-ый коэф.", false, 0, false},
            {"Check2", {120, 600, 1215, 255}, "2-ой коэф.", false, 0, false},
            {"Check3", {120, 960, 1215, 255}, "3-ий коэф.", false, 0, false},
            {"Check4", {120, 1320, 1215, 255}, "4-ый коэф.", false, 0, false},
            {"Label1", {120, 360, 1455, 255}, "1-ый коэффициент", false, left, false},
            {"Label2", {120, 720, 1455, 255}, "2-ой коэффициент", false, left, false},
            {"Label3", {120, 1080, 1455, 255}, "3-ий коэффициент", false, left, false},
            {"Label4", {120, 1440, 1455, 255}, "4-ый коэффициент", false, left, false},
            {"Label18", {1680, 120, -1, -1}, "Коэффициенты", true, left, false},
            {"Label17", {3000, 120, -1, -1}, "Ставка", true, right, false},
            {"Label23", {4560, 120, -1, -1}, "Выигрыш", true, right, false},
            {"Label9", {3000, 360, 1455, 285}, "0", true, right, true},
            {"Label10", {3000, 720, 1455, 285}, "0", true, right, true},
            {"Label11", {3000, 1080, 1455, 285}, "0", true, right, true},
            {"Label12", {3000, 1440, 1455, 285}, "0", true, right, true},
            {"Label19", {4560, 360, -1, -1}, "0", true, right, true},
            {"Label20", {4560, 720, -1, -1}, "0", true, right, true},
            {"Label21", {4560, 1080, -1, -1}, "0", true, right, true},
            {"Label22", {4560, 1440, -1, -1}, "0", true, right, true},
            {"Label15", {1680, 1920, -1, -1}, "Размер вилки", true, left, false},
            {"Label16", {1680, 2520, -1, -1}, "Сумма", false, left, false},
            {"Label5", {4320, 2040, -1, -1}, "Маржа", false, centre, false},
            {"Label7", {4320, 2400, -1, -1}, "", false, centre, false},
            {"Label13", {4320, 2760, -1, -1}, "Итог", false, centre, false},
            {"Label6", {5400, 2040, 2175, 255}, "0", false, centre, true},
            {"Label8", {5400, 2400, -1, -1}, "Норма", false, centre, false},
            {"Label14", {5400, 2760, -1, -1}, "0", false, centre, false},
        };
        for (const Row& row : rows)
            QTest::newRow(row.name) << QString(row.name) << row.twips << QString(row.shown) << row.enabled << row.align
                                    << row.framed;
    }

    void controlsAtOpen()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, shown);
        QFETCH(bool, enabled);
        QFETCH(int, align);
        QFETCH(bool, framed);
        using zoret::ui::toPixels;
        ForkWindow fork;
        QWidget* window = open(fork);
        auto* widget = control<QWidget>(window, qPrintable(name));

        const QRect at = widget->geometry();
        QCOMPARE(at.topLeft(), QPoint(toPixels(twips.left()), toPixels(twips.top())));
        if (twips.width() >= 0)
            QCOMPARE(at.size(), QSize(toPixels(twips.width()), toPixels(twips.height())));
        QCOMPARE(widget->parentWidget()->objectName(), QString(name.startsWith("Check") ? "Frame1" : "Form1"));

        QString actual;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            actual = label->property("caption").toString();
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
            if (framed)
                QCOMPARE(label->frameShape(), QFrame::Box);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            actual = button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            actual = group->title();
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            actual = edit->text();
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            actual = combo->currentText();
        }
        QCOMPARE(actual, shown);
        QCOMPARE(isEnabledOwn(window, qPrintable(name)), enabled);
    }

    void windowAtOpen()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        QCOMPARE(window->objectName(), QString("Form1"));
        QCOMPARE(window->windowTitle(), QString("Zoret"));
        QCOMPARE(window->size(), QSize(513, 210));

        auto* combo = control<QComboBox>(window, "Combo1");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0) + combo->itemText(1) + combo->itemText(2), QString("234"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(focused(window), QString("Combo1"));
        QVERIFY(control<QPushButton>(window, "Command4")->isDefault());
        QCOMPARE(variables(fork), QString("0 0 0 0 0 0 0 0 5 6 7 8 0"));

        // The figures sit on a shade of their own, not on the window's.
        const QColor background = window->palette().color(QPalette::Window);
        for (const char* name : {"Label6", "Label8", "Label14", "Label9", "Label12", "Label19", "Label22"}) {
            auto* label = control<QLabel>(window, name);
            QVERIFY2(label->autoFillBackground(), name);
            QVERIFY2(label->palette().color(QPalette::Window) != background, name);
        }
    }

    void tabOrderOnceEverythingIsOn()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 4, {"4", "4", "4.5", "5"});
        QVERIFY(isEnabledOwn(window, "Command4"));

        control<QWidget>(window, "Combo1")->setFocus();
        QStringList order{focused(window)};
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            order << focused(window);
        }
        QCOMPARE(order, QStringList({"Combo1", "Text1", "Text2", "Text3", "Text4", "Command5", "Text5", "Command4",
                                     "Check1", "Check2", "Check3", "Check4", "Command1", "Command2", "Combo1"}));
    }

    void chooseOutcomes_data()
    {
        QTest::addColumn<int>("outcomes");
        QTest::newRow("two") << 2;
        QTest::newRow("three") << 3;
        QTest::newRow("four") << 4;
    }

    void chooseOutcomes()
    {
        QFETCH(int, outcomes);
        ForkWindow fork;
        QWidget* window = open(fork);
        const QStringList before = snapshot(window, false);
        pickCount(window, outcomes);

        QCOMPARE(fork.forkSize, outcomes);
        for (const char* name : {"Text1", "Text2", "Label1", "Label2", "Check1", "Check2", "Command5", "Label5",
                                 "Label6", "Label7", "Label8", "Label13", "Label14"})
            QVERIFY2(isEnabledOwn(window, name), name);
        for (const char* name : {"Text3", "Label3", "Check3"})
            QCOMPARE(isEnabledOwn(window, name), outcomes >= 3);
        for (const char* name : {"Text4", "Label4", "Check4"})
            QCOMPARE(isEnabledOwn(window, name), outcomes == 4);
        for (const char* name : {"Frame1", "Command4", "Text5", "Label16"})
            QVERIFY2(!isEnabledOwn(window, name), name);

        // Choosing enables; it shows nothing new.
        QStringList after = snapshot(window, false);
        after.replaceInStrings(QRegularExpression("^Combo1: .*"), "Combo1: ");
        QCOMPARE(after, before);
    }

    void fewerOutcomesKeepWhatWasTyped()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 4, {"4", "4", "4.5", "5"});
        click(window, "Check4");
        const QString margin = caption(window, "Label6");
        QVERIFY(isEnabledOwn(window, "Command4"));

        pickCount(window, 2);
        QCOMPARE(fork.forkSize, 2);
        QCOMPARE(text(window, "Text3"), QString("4.5"));
        QCOMPARE(text(window, "Text4"), QString("5"));
        QVERIFY(!isEnabledOwn(window, "Text3"));
        QVERIFY(!isEnabledOwn(window, "Text4"));
        QVERIFY(control<QCheckBox>(window, "Check4")->isChecked());
        QCOMPARE(caption(window, "Label6"), margin);
        // The margin shown is that of four outcomes: no sum until it is asked again.
        QVERIFY(!isEnabledOwn(window, "Command4"));
        QVERIFY(!isEnabledOwn(window, "Frame1"));
    }

    void margin_data()
    {
        QTest::addColumn<int>("outcomes");
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("hole");
        QTest::addColumn<bool>("fork");
        QTest::newRow("two, a fork") << 2 << QStringList{"2.1", "2.1"} << "0.952381"
                                     << "4.999993" << true;
        QTest::newRow("two, even money") << 2 << QStringList{"2", "2"} << "1"
                                         << "Норма" << false;
        QTest::newRow("two, bookmaker's margin") << 2 << QStringList{"1.9", "1.9"} << "1.052632"
                                                 << "Норма" << false;
        QTest::newRow("three, a fork") << 3 << QStringList{"2.5", "4.2", "6"} << "0.8047619"
                                       << "24.26036" << true;
        QTest::newRow("four, a fork") << 4 << QStringList{"4", "4", "4.5", "5"} << "0.9222222"
                                      << "8.433738" << true;
        QTest::newRow("two, later boxes ignored") << 2 << QStringList{"2.1", "2.1", "1.01", "1.01"} << "0.952381"
                                                  << "4.999993" << true;
        QTest::newRow("three, text after the number") << 3 << QStringList{"2.5 p", "4.2x", "6,9"} << "0.8047619"
                                                      << "24.26036" << true;
    }

    void margin()
    {
        QFETCH(int, outcomes);
        QFETCH(QStringList, odds);
        QFETCH(QString, margin);
        QFETCH(QString, hole);
        QFETCH(bool, fork);
        ForkWindow form;
        QWidget* window = open(form);
        pickCount(window, 4); // so that every box takes text
        for (int i = 0; i < odds.size(); ++i)
            type(window, oddsBoxes[i], odds[i]);
        pickCount(window, outcomes);
        click(window, "Command5");

        QCOMPARE(caption(window, "Label6"), margin);
        QCOMPARE(caption(window, "Label7"), QString(fork ? "Дырка (%)" : ""));
        QCOMPARE(caption(window, "Label8"), hole);
        for (const char* name : {"Command4", "Label16", "Text5", "Frame1"})
            QCOMPARE(isEnabledOwn(window, name), fork);
        QCOMPARE(QString::number(form.margin, 'g', 7), margin);
        QCOMPARE(captions(window, stakeLabels), QStringList({"0", "0", "0", "0"}));
    }

    void marginFromForkToNone()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, {"2.1", "2.1"});
        click(window, "Check1");
        type(window, "Text1", "1.5");
        click(window, "Command5");
        QCOMPARE(caption(window, "Label7"), QString());
        QCOMPARE(caption(window, "Label8"), QString("Норма"));
        for (const char* name : {"Command4", "Label16", "Text5", "Frame1"})
            QVERIFY2(!isEnabledOwn(window, name), name);
    }

    void marginWithOddsMissing_data()
    {
        QTest::addColumn<int>("outcomes");
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("focus");
        QTest::newRow("two, second empty") << 2 << QStringList{"2.1", ""} << "Text2";
        QTest::newRow("two, first zero") << 2 << QStringList{"0", "2.1"} << "Text1";
        QTest::newRow("two, first not a number") << 2 << QStringList{"x", "2.1"} << "Text1";
        QTest::newRow("two, first negative") << 2 << QStringList{"-2.1", "2.1"} << "Text1";
        QTest::newRow("two, both negative") << 2 << QStringList{"-3", "-3"} << "Text1";
        QTest::newRow("three, third negative") << 3 << QStringList{"2.5", "4.2", "-6"} << "Text3";
        QTest::newRow("four, second and fourth empty") << 4 << QStringList{"4", "", "4.5", ""} << "Text2";
        QTest::newRow("four, only the fourth") << 4 << QStringList{"4", "4", "4.5", "0"} << "Text4";
    }

    // Whatever margin was shown before stays, with its state.
    void marginWithOddsMissing()
    {
        QFETCH(int, outcomes);
        QFETCH(QStringList, odds);
        QFETCH(QString, focus);
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, outcomes, QStringList{"4", "4", "4.5", "5"}.mid(0, outcomes));
        QCOMPARE(caption(window, "Label7"), QString("Дырка (%)"));
        const float margin = fork.margin;

        for (int i = 0; i < odds.size(); ++i)
            type(window, oddsBoxes[i], odds[i]);
        const QStringList typed = snapshot(window);
        click(window, "Command5");

        const QList<ShownMessage> shown = watcher->takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString("Впишите коэффициенты"));
        QCOMPARE(shown[0].title, QString("Zoret"));
        QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
        QCOMPARE(focused(window), focus);
        QCOMPARE(fork.margin, margin);
        QCOMPARE(snapshot(window), typed);
    }

    void marginMissingBeforeAnyMargin()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, {"2.2", "-1.9"});
        QCOMPARE(watcher->takeMessageTexts(), QStringList{"Впишите коэффициенты"});
        QCOMPARE(focused(window), QString("Text2"));
        QCOMPARE(caption(window, "Label6"), QString("0"));
        QCOMPARE(caption(window, "Label8"), QString("Норма"));
        QCOMPARE(caption(window, "Label7"), QString());
        QVERIFY(!isEnabledOwn(window, "Command4"));
        QCOMPARE(fork.margin, 0.0f);
    }

    void marginSeparators_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("hole");
        QTest::newRow("comma, fork") << true << QStringList{"2.1", "2.1"} << "0,952381"
                                     << "4,999993";
        QTest::newRow("point, fork") << false << QStringList{"2.1", "2.1"} << "0.952381"
                                     << "4.999993";
        QTest::newRow("comma, no fork") << true << QStringList{"1.9", "1.9"} << "1,052632"
                                        << "Норма";
        QTest::newRow("point, no fork") << false << QStringList{"1.9", "1.9"} << "1.052632"
                                        << "Норма";
    }

    void marginSeparators()
    {
        QFETCH(bool, comma);
        QFETCH(QStringList, odds);
        QFETCH(QString, margin);
        QFETCH(QString, hole);
        setSeparators(comma);
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, odds);
        QCOMPARE(caption(window, "Label6"), margin);
        QCOMPARE(caption(window, "Label8"), hole);
    }

    void stakes_data()
    {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("stakes");
        QTest::addColumn<QStringList>("payouts");
        QTest::addColumn<int>("key");
        const QStringList two{"2.2", "1.9"};
        const QStringList even2{" 46.34146", " 53.65854", " 0", " 0"};
        const QStringList evenPay2{" 101.9512", " 101.9512", " 0", " 0"};
        QTest::newRow("2, none") << two << QList<int>{} << "100" << false << " 101.9512" << even2 << evenPay2 << 56;
        QTest::newRow("2, both") << two << QList<int>{1, 2} << "100" << false << " 101.9512" << even2 << evenPay2 << 12;
        QTest::newRow("2, none, comma locale")
            << two << QList<int>{} << "100" << true << " 101.9512" << even2 << evenPay2 << 56;
        QTest::newRow("2, sum with a comma")
            << two << QList<int>{} << "100,5" << false << " 101.9512" << even2 << evenPay2 << 56;
        QTest::newRow("2, first") << two << QList<int>{1} << "100" << false << " 101.9512"
                                  << QStringList{" 47.36842", " 52.63158", " 0", " 0"}
                                  << QStringList{" 104.2105", " 100", " 0", " 0"} << 16;
        const QStringList three{"2.5", "4.2", "6"};
        QTest::newRow("3, first") << three << QList<int>{1} << "300" << false << " 372.7811"
                                  << QStringList{" 178.5714", " 71.42857", " 50", " 0"}
                                  << QStringList{" 446.4286", " 300", " 300", " 0"} << 167;
        QTest::newRow("3, first and second") << three << QList<int>{1, 2} << "300" << false << " 372.7811"
                                             << QStringList{" 156.7164", " 93.28358", " 50", " 0"}
                                             << QStringList{" 391.791", " 391.791", " 300", " 0"} << 127;
        const QStringList four{"4", "4", "4.5", "5"};
        QTest::newRow("4, first three") << four << QList<int>{1, 2, 3} << "1000" << false << " 1084.337"
                                        << QStringList{" 276.9231", " 276.9231", " 246.1538", " 200"}
                                        << QStringList{" 1107.692", " 1107.692", " 1107.692", " 1000"} << 1238;
        QTest::newRow("4, none") << four << QList<int>{} << "1000" << false << " 1084.337"
                                 << QStringList{" 271.0844", " 271.0844", " 240.9639", " 216.8675"}
                                 << QStringList{" 1084.337", " 1084.337", " 1084.337", " 1084.337"} << 5678;
        QTest::newRow("4, ticked and cleared again")
            << four << QList<int>{2, 3, -3, -2} << "1000" << false << " 1084.337"
            << QStringList{" 271.0844", " 271.0844", " 240.9639", " 216.8675"}
            << QStringList{" 1084.337", " 1084.337", " 1084.337", " 1084.337"} << 5678;
    }

    // A negative entry in `ticked` clears that box again.
    void stakes()
    {
        QFETCH(QStringList, odds);
        QFETCH(QList<int>, ticked);
        QFETCH(QString, sum);
        QFETCH(bool, comma);
        QFETCH(QString, total);
        QFETCH(QStringList, stakes);
        QFETCH(QStringList, payouts);
        QFETCH(int, key);
        setSeparators(comma);
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, odds.size(), odds);
        for (int box : ticked)
            click(window, centringBoxes[std::abs(box) - 1]);
        askStakes(window, sum);

        QCOMPARE(caption(window, "Label14"), total);
        QCOMPARE(captions(window, stakeLabels), stakes);
        QCOMPARE(captions(window, payoutLabels), payouts);
        QCOMPARE(fork.centreKey, key);
        QCOMPARE(fork.stakeSum, float(sum.section(',', 0, 0).toDouble()));
        QCOMPARE(QString::number(fork.totalReturn, 'g', 7), total.trimmed());
    }

    void stakesByEnter()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, {"2.2", "1.9"});
        type(window, "Text5", "100");
        QTest::keyClick(control<QWidget>(window, "Text5"), Qt::Key_Return);
        QCOMPARE(caption(window, "Label14"), QString(" 101.9512"));
        QCOMPARE(captions(window, stakeLabels), QStringList({" 46.34146", " 53.65854", " 0", " 0"}));

        // While the sum is off, Enter does nothing.
        type(window, "Text1", "1.5");
        click(window, "Command5");
        QVERIFY(!isEnabledOwn(window, "Command4"));
        const QStringList before = snapshot(window);
        const QString held = variables(fork);
        type(window, "Text1", "3");
        QTest::keyClick(control<QWidget>(window, "Text1"), Qt::Key_Return);
        QTest::keyClick(control<QWidget>(window, "Text2"), Qt::Key_Enter);
        QCOMPARE(variables(fork), held);
        QStringList now = snapshot(window);
        now.replaceInStrings("Text1 on: 3", "Text1 on: 1.5");
        QCOMPARE(now, before);
    }

    void stakesStopSilently_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("sum empty") << "Text5"
                                   << "";
        QTest::newRow("sum zero") << "Text5"
                                  << "0";
        QTest::newRow("sum not a number") << "Text5"
                                          << "x100";
        QTest::newRow("odds cleared") << "Text2"
                                      << "";
        QTest::newRow("odds zero") << "Text1"
                                   << "0";
        QTest::newRow("odds negative") << "Text2"
                                       << "-1.9";
    }

    void stakesStopSilently()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, {"2.2", "1.9"});
        click(window, "Check1");
        askStakes(window, "100");
        QCOMPARE(caption(window, "Label9"), QString(" 47.36842"));
        const QString held = variables(fork);

        type(window, qPrintable(box), typed);
        const QStringList before = snapshot(window);
        click(window, "Command4");
        QCOMPARE(snapshot(window), before);
        QCOMPARE(variables(fork), held);
    }

    // The margin a split divides by is that of the odds it splits: the
    // stakes add up to the sum, and the window shows just what asking for
    // the margin first would have shown.
    void staleMarginStillAFork()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, {"2.2", "1.9"});
        const QString first = caption(window, "Label6");
        type(window, "Text1", "2.5");
        askStakes(window, "100");

        const QString total = caption(window, "Label14");
        QCOMPARE(captions(window, payoutLabels), QStringList({total, total, " 0", " 0"}));
        QVERIFY(caption(window, "Label6") != first);
        QVERIFY(qAbs(caption(window, "Label9").toDouble() + caption(window, "Label10").toDouble() - 100) < 1e-3);
        const QStringList shown = snapshot(window);
        const QString held = variables(fork);
        click(window, "Command5");
        click(window, "Command4");
        QCOMPARE(snapshot(window), shown);
        QCOMPARE(variables(fork), held);
    }

    void staleMarginNoLongerAFork()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 3, {"2.5", "4.2", "6"});
        click(window, "Check2");
        askStakes(window, "300");
        const QStringList stakes = captions(window, stakeLabels);
        const QStringList payouts = captions(window, payoutLabels);
        const QString total = caption(window, "Label14");
        const float totalReturn = fork.totalReturn;
        const auto key = fork.centreKey;

        type(window, "Text3", "1.5");
        askStakes(window, "250");
        QCOMPARE(fork.stakeSum, 250.0f);
        QCOMPARE(caption(window, "Label7"), QString());
        QCOMPARE(caption(window, "Label8"), QString("Норма"));
        for (const char* name : {"Command4", "Label16", "Text5", "Frame1"})
            QVERIFY2(!isEnabledOwn(window, name), name);
        QCOMPARE(captions(window, stakeLabels), stakes);
        QCOMPARE(captions(window, payoutLabels), payouts);
        QCOMPARE(caption(window, "Label14"), total);
        QCOMPARE(fork.totalReturn, totalReturn);
        QCOMPARE(fork.centreKey, key);
        QVERIFY(fork.margin >= 1);

        // What "Маржа" shows for the same odds.
        const QString margin = caption(window, "Label6");
        click(window, "Command5");
        QCOMPARE(caption(window, "Label6"), margin);
    }

    void errorsLeaveEverything_data()
    {
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("equal return beyond a single") << QStringList{"2.1", "2.1"} << "3.3e38"
                                                      << "Command4"
                                                      << "Переполнение";
        QTest::newRow("sum beyond a single") << QStringList{"2.1", "2.1"} << "4e38"
                                             << "Command4"
                                             << "Переполнение";
        QTest::newRow("sum beyond a double") << QStringList{"2.1", "2.1"} << "1e999"
                                             << "Command4"
                                             << "Переполнение";
        QTest::newRow("coefficient beyond a double, margin") << QStringList{"2.1", "1e999"} << "100"
                                                             << "Command5"
                                                             << "Переполнение";
        QTest::newRow("coefficient beyond a double, sum") << QStringList{"1e999", "2.1"} << "100"
                                                          << "Command4"
                                                          << "Переполнение";
        QTest::newRow("coefficient beyond a single, margin") << QStringList{"1e39", "2.1"} << "100"
                                                             << "Command5"
                                                             << "Переполнение";
        QTest::newRow("hole beyond a single") << QStringList{"1e38", "1e38"} << "100"
                                              << "Command5"
                                              << "Переполнение";
    }

    void errorsLeaveEverything()
    {
        QFETCH(QStringList, odds);
        QFETCH(QString, sum);
        QFETCH(QString, button);
        QFETCH(QString, message);
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 2, {"2.2", "1.9"});
        click(window, "Check2");
        askStakes(window, "100");

        for (int i = 0; i < odds.size(); ++i)
            type(window, oddsBoxes[i], odds[i]);
        type(window, "Text5", sum);
        const QStringList before = snapshot(window);
        const QString held = variables(fork);
        click(window, qPrintable(button));

        const QList<ShownMessage> shown = watcher->takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].title, QString("Zoret"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QVERIFY(fork.isLoaded());
        QCOMPARE(snapshot(window), before);
        QCOMPARE(variables(fork), held);
    }

    void clear()
    {
        ForkWindow fork;
        QWidget* window = open(fork);
        askMargin(window, 3, {"2.5", "4.2", "6"});
        click(window, "Check1");
        click(window, "Check3");
        askStakes(window, "300");
        QCOMPARE(fork.centreKey, 163);

        click(window, "Command1");
        QCOMPARE(focused(window), QString("Combo1"));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            QCOMPARE(text(window, name), QString());
        QCOMPARE(captions(window, stakeLabels), QStringList({"0", "0", "0", "0"}));
        QCOMPARE(captions(window, payoutLabels), QStringList({"0", "0", "0", "0"}));
        QCOMPARE(caption(window, "Label6") + caption(window, "Label14"), QString("00"));
        QCOMPARE(caption(window, "Label7"), QString());
        QCOMPARE(caption(window, "Label8"), QString("Норма"));
        for (const char* name : centringBoxes)
            QVERIFY2(!control<QCheckBox>(window, name)->isChecked(), name);
        for (const char* name : {"Frame1", "Label16", "Text5", "Command4"})
            QVERIFY2(!isEnabledOwn(window, name), name);

        // The count chosen stays, and so do the sum and centring of the last split.
        QCOMPARE(control<QComboBox>(window, "Combo1")->currentText(), QString("3"));
        for (const char* name : {"Text1", "Text3", "Command5"})
            QVERIFY2(isEnabledOwn(window, name), name);
        QCOMPARE(variables(fork), QString("3 0 0 0 0 0 0 300 5 6 7 8 163"));
    }

    void closeAndReopen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("ОК") << "button";
        QTest::newRow("Esc") << "key";
        QTest::newRow("close box") << "close box";
    }

    void closeAndReopen()
    {
        QFETCH(QString, how);
        ForkWindow fork;
        QPointer<QWidget> window = open(fork);
        askMargin(window, 4, {"4", "4", "4.5", "5"});
        for (const char* name : {"Check1", "Check2", "Check3"})
            click(window, name);
        askStakes(window, "1000");
        if (how == "button")
            click(window, "Command2");
        else if (how == "key")
            QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        else
            window->close();
        QVERIFY(!fork.isLoaded());
        QTRY_VERIFY(window.isNull());
        QCOMPARE(fork.forkSize, 4);
        QCOMPARE(fork.stakeSum, 1000.0f);
        QCOMPARE(fork.centreKey, 1238);

        QWidget* again = open(fork);
        QVERIFY(again != nullptr);
        QCOMPARE(control<QComboBox>(again, "Combo1")->count(), 3);
        QCOMPARE(control<QComboBox>(again, "Combo1")->currentIndex(), -1);
        QVERIFY(!isEnabledOwn(again, "Text1"));
        QVERIFY(!isEnabledOwn(again, "Command5"));
        QCOMPARE(text(again, "Text1"), QString());
        QCOMPARE(captions(again, payoutLabels), QStringList({"0", "0", "0", "0"}));
        QCOMPARE(variables(fork), QString("4 0 0 0 0 0 0 1000 5 6 7 8 1238"));
    }

    void visitFromTheMainWindow()
    {
        MainWindow main;
        main.load();
        QWidget* mainWindow = main.window();
        for (const char* odds : {"1.5", "2.25"}) {
            type(mainWindow, "Text1", odds);
            click(mainWindow, "Command1");
        }
        auto* list = control<QListWidget>(mainWindow, "List1");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        QCOMPARE(items.size(), 2);

        QStringList seen;
        bool modal = false;
        watcher->onWindow("Form1", [&](QWidget* fork) {
            modal = fork->isModal() && QApplication::activeModalWidget() == fork;
            askMargin(fork, 2, {"2.2", "1.9"});
            click(fork, "Check1");
            askStakes(fork, "100");
            seen << caption(fork, "Label14") << captions(fork, stakeLabels);
            click(fork, "Command2");
        });
        click(mainWindow, "Command6");

        QVERIFY(modal);
        QCOMPARE(seen, QStringList({" 101.9512", " 47.36842", " 52.63158", " 0", " 0"}));
        QVERIFY(!main.forkWindow().isLoaded());
        QCOMPARE(main.forkWindow().forkSize, 2);
        QCOMPARE(main.forkWindow().stakeSum, 100.0f);
        QCOMPARE(main.forkWindow().centreKey, 16);
        QStringList after;
        for (int i = 0; i < list->count(); ++i)
            after << list->item(i)->text();
        QCOMPARE(after, items);
        QVERIFY(main.isLoaded());
    }
};

ZORET_UI_TEST_MAIN(ForkWindowTest)

#include "test_fork_window.moc"
