// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/window_test.h"
#include "ui/fork_window/fork_window.h"
#include "ui/help_window/help_window.h"
#include "ui/main_window/main_window.h"
#include "ui/settlement_window/settlement_window.h"
#include "ui/toolkit/fitting_label.h"

#include <QGroupBox>
#include <QStyle>

#include <algorithm>

namespace {

// A window with its design in reach of the test.
template <typename Window>
struct Open : Window {
    using Window::layout;
};

bool shows(QWidget* control)
{
    auto* label = qobject_cast<QLabel*>(control);
    return control->isVisible() && (!label || !label->text().isEmpty());
}

// Why a control breaks the look of its window, or nothing.
QString flaw(QWidget* control, const QList<QWidget*>& siblings)
{
    if (!control->parentWidget()->rect().contains(control->geometry()))
        return "sticks out of its parent";
    for (QWidget* other : siblings) // a pixel's overlap is the design's rounding
        if (const QRect both = other->geometry().intersected(control->geometry());
            other != control && both.width() > 1 && both.height() > 1 && shows(other) && shows(control))
            return "overlaps " + other->objectName();
    const QFontMetrics metrics(control->font());
    const QRect room = control->contentsRect();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return metrics.horizontalAdvance(frame->title()) < room.width() - 8 ? "" : "title cut";
    if (auto* option = qobject_cast<QCheckBox*>(control) ? control : qobject_cast<QRadioButton*>(control)) {
        const int mark = option->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                         + option->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        return metrics.horizontalAdvance(qobject_cast<QAbstractButton*>(option)->text()) <= room.width() - mark
                   ? ""
                   : "caption cut";
    }
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->text().isEmpty() != !button->icon().isNull()       ? "neither caption nor icon"
               : metrics.horizontalAdvance(button->text()) < room.width() ? ""
                                                                          : "caption cut";
    auto* label = qobject_cast<QLabel*>(control);
    if (!label || qobject_cast<zoret::ui::FittingLabel*>(label))
        return {};
    const QRect needed = metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
    return room.contains(needed) ? "" : "caption cut";
}

// The design's properties, at the scale the test runs at: every control lies
// inside its parent, no two siblings overlap, every caption fits, a button
// shows a caption or an icon, and Tab follows the design's tab order.
template <typename Window>
void checkDesign(const QString& title)
{
    Open<Window> window;
    window.load();
    QWidget* w = window.window();
    QCOMPARE(w->windowTitle(), title);
    QStringList flaws, tabOrder, chain;
    for (QWidget* control : w->findChildren<QWidget*>()) {
        const QList<QWidget*> siblings = control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_") && control->isVisibleTo(w))
            if (const QString why = flaw(control, siblings); !why.isEmpty())
                flaws << control->objectName() + " " + why;
    }
    QVERIFY2(flaws.isEmpty(), qPrintable(flaws.join("; ")));
    const zoret::ui::Layout layout = window.layout();
    std::vector<const zoret::ui::ControlRow*> design;
    for (const zoret::ui::ControlRow& row : layout)
        design.push_back(&row);
    std::stable_sort(design.begin(), design.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (const zoret::ui::ControlRow* row : design)
        if (row->control.widget()->focusPolicy() & Qt::TabFocus)
            tabOrder << QString::fromUtf8(row->name.data(), int(row->name.size()));
    QWidget* const first = control<QWidget>(w, qPrintable(tabOrder.value(0)));
    QWidget* at = first;
    do
        if (tabOrder.contains(at->objectName()))
            chain << at->objectName();
    while ((at = at->nextInFocusChain()) != first);
    QCOMPARE(chain, tabOrder);
}

} // namespace

class Layouts : public QObject {
    Q_OBJECT

private slots:
    void mainWindow() { checkDesign<zoret::ui::MainWindow>("Zoret - от Lorvi'а"); }
    void forkWindow() { checkDesign<zoret::ui::ForkWindow>("Zoret"); }
    void helpWindow() { checkDesign<zoret::ui::HelpWindow>("Помощь"); }
    void settlementWindow() { checkDesign<zoret::ui::SettlementWindow>("Расчёт ставки"); }
};

ZORET_UI_TEST_MAIN(Layouts)
#include "test_layout.moc"
