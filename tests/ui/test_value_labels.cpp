// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "ui/fork_window/fork_window.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/fitting_label.h"

using zoret::ui::FittingLabel;

// Values are never shown cut, whatever the scale: the longest texts the
// conversions write fit every value label at a readable size, or are elided
// with the whole value in the tooltip; a screen reader gets the whole value.
static void showsWhole(QWidget* window, qsizetype values)
{
    const QList<FittingLabel*> labels = window->findChildren<FittingLabel*>();
    QCOMPARE(labels.size(), values);
    for (FittingLabel* label : labels)
        for (const QString value : {"-1.23456789012346E+300", "-1.23456789012346E-300", "-1.234568E+38",
                                    "-1.234568E-38", " 1.79769313486232E+308", "-2.40282346638529E+38"}) {
            label->setValue(value);
            const QByteArray where = (label->objectName() + " showing " + value).toUtf8();
            QVERIFY2(label->font().pointSizeF() >= FittingLabel::smallestPoints, where);
            QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     where);
            QVERIFY2(label->text() == value || (label->text().contains(QChar(0x2026)) && label->toolTip() == value),
                     where);
            QCOMPARE(label->accessibleDescription(), value);
        }
}

class ValueLabels : public WindowTestCase {
    Q_OBJECT

private slots:
    void everyValueOfBothWindows() // and the fork's figures sit on a shade of their own
    {
        zoret::ui::MainWindow form(temporaryJournal());
        form.load();
        showsWhole(form.window(), 3);
        zoret::ui::ForkWindow fork;
        fork.load();
        showsWhole(fork.window(), 11);
        for (const char* name : {"Label6", "Label9", "Label19"})
            QVERIFY(control<QLabel>(fork.window(), name)->palette().color(QPalette::Window)
                    != fork.window()->palette().color(QPalette::Window));
    }

    void listItemsElideInTheMiddleWholeInTheirTooltip()
    {
        zoret::ui::MainWindow form(temporaryJournal());
        form.load();
        addOdds(form.window(), {"-1.23456789012346E+300"});
        auto* list = control<QListWidget>(form.window(), "List1");
        QCOMPARE(list->item(0)->toolTip(), QString("-1.23456789012346E+300"));
        QVERIFY(list->visualItemRect(list->item(0)).right() <= list->viewport()->width());
        QCOMPARE(list->textElideMode(), Qt::ElideMiddle);
    }
};

ZORET_UI_TEST_MAIN(ValueLabels)
#include "test_value_labels.moc"
