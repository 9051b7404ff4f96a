// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"
#include "ui/fork_window/fork_window.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/fitting_label.h"

#include <QFontMetricsF>

using zoret::ui::FittingLabel;

namespace {

// The longest texts the conversions write: a double with a three-digit
// exponent, a single at the edge of its range, each signed.
const QStringList longestValues{"-1.23456789012346E+300", "-1.23456789012346E-300", "-1.234568E+38",
                                "-1.234568E-38",          " 1.79769313486232E+308", "-2.40282346638529E+38"};

const QStringList mainValueLabels{"Label1", "Label4", "lbRezultSum"};
const QStringList forkValueLabels{"Label6",  "Label8",  "Label14", "Label9",  "Label10", "Label11",
                                  "Label12", "Label19", "Label20", "Label21", "Label22"};

// Never cut: the whole value fits inside the frame, or what is shown is
// marked as elided, fits, and the whole value is in the tooltip and the
// accessible description.
void checkShownWhole(QWidget* window, const QString& name)
{
    auto* label = qobject_cast<FittingLabel*>(control<QLabel>(window, qPrintable(name)));
    QVERIFY2(label, qPrintable(name + " is not a fitting label"));
    const double room = label->contentsRect().width();
    for (const QString& value : longestValues) {
        label->setValue(value);
        const QString where = name + " showing " + value;
        QVERIFY2(label->font().pointSizeF() >= FittingLabel::smallestPoints, qPrintable(where));
        QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= room, qPrintable(where));
        QCOMPARE(label->accessibleDescription(), value);
        if (label->text() != value) {
            QVERIFY2(label->text().contains(QChar(0x2026)), qPrintable(where));
            QCOMPARE(label->toolTip(), value);
        }
    }
}

} // namespace

class ValueLabels : public WindowTestCase {
    Q_OBJECT

private slots:
    void mainWindowValues()
    {
        zoret::ui::MainWindow form;
        form.load();
        for (const QString& name : mainValueLabels)
            checkShownWhole(form.window(), name);
    }

    void forkWindowValues()
    {
        zoret::ui::ForkWindow fork;
        fork.load();
        for (const QString& name : forkValueLabels)
            checkShownWhole(fork.window(), name);
    }

    // The list elides a long item inside its width and keeps it whole in the
    // item's tooltip.
    void listItems()
    {
        zoret::ui::MainWindow form;
        form.load();
        QWidget* w = form.window();
        type(w, "Text1", "-1.23456789012346E+300");
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
        auto* list = control<QListWidget>(w, "List1");
        QListWidgetItem* item = list->item(0);
        QCOMPARE(item->toolTip(), QString("-1.23456789012346E+300"));
        QVERIFY(list->visualItemRect(item).right() <= list->viewport()->width());
        QCOMPARE(list->textElideMode(), Qt::ElideMiddle);
    }
};

ZORET_UI_TEST_MAIN(ValueLabels)
#include "test_value_labels.moc"
