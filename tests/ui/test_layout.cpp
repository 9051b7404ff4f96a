// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/window_test.h"
#include "ui/fork_calculator_window/fork_calculator_window.h"
#include "ui/fork_window/fork_window.h"
#include "ui/help_window/help_window.h"
#include "ui/main_window/main_window.h"
#include "ui/settlement_window/settlement_window.h"
#include "ui/toolkit/fitting_label.h"

#include <map>

namespace {

template <typename Window> // a window with its design in reach of the test
struct Open : Window {
    using Window::layout;
};

bool shows(QWidget* c)
{
    return c->isVisible() && !(qobject_cast<QLabel*>(c) && qobject_cast<QLabel*>(c)->text().isEmpty());
}

// Why a control breaks the look of its window, or nothing. A pixel's overlap is the design's rounding.
QString flaw(QWidget* c)
{
    if (!c->parentWidget()->rect().contains(c->geometry()))
        return "sticks out of its parent";
    for (QWidget* other : c->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const QRect both = other->geometry().intersected(c->geometry());
            other != c && both.width() > 1 && both.height() > 1 && shows(other) && shows(c))
            return "overlaps " + other->objectName();
    const QFontMetrics metrics(c->font());
    const int room = c->contentsRect().width();
    auto* button = qobject_cast<QAbstractButton*>(c);
    if (auto* frame = qobject_cast<QGroupBox*>(c))
        return metrics.horizontalAdvance(frame->title()) < room - 8 ? "" : "title cut";
    if (qobject_cast<QPushButton*>(c) && button->text().isEmpty() == button->icon().isNull())
        return "neither caption nor icon";
    const int mark = qobject_cast<QPushButton*>(c) ? 1 // a button's caption needs a pixel to spare
                                                   : c->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                                                         + c->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (button)
        return metrics.horizontalAdvance(button->text()) <= room - mark ? "" : "caption cut";
    auto* label = qobject_cast<QLabel*>(c);
    if (!label || qobject_cast<zoret::ui::FittingLabel*>(label))
        return {};
    const QRect inside = c->contentsRect();
    return inside.contains(metrics.boundingRect(
               inside, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text()))
               ? ""
               : "caption cut";
}

// At the scale the test runs at: every control lies inside its parent, no two siblings overlap, every caption
// fits, a button shows a caption or an icon, and Tab follows the design's tab order.
template <typename Window>
void checkDesign(const QString& title)
{
    Open<Window> window;
    window.load();
    QWidget* w = window.window();
    QCOMPARE(w->windowTitle(), title);
    QStringList flaws, tabOrder, chain;
    for (QWidget* c : w->findChildren<QWidget*>(QRegularExpression("^(?!qt_).")))
        if (const QString why = c->isVisibleTo(w) ? flaw(c) : ""; !why.isEmpty())
            flaws << c->objectName() + " " + why;
    QVERIFY2(flaws.isEmpty(), qPrintable(flaws.join("; ")));
    std::multimap<int, QString> byTabIndex; // equal indices keep the design's order
    for (const zoret::ui::ControlRow& row : window.layout())
        if (row.control.widget()->focusPolicy() & Qt::TabFocus)
            byTabIndex.emplace(row.tabIndex, QString::fromUtf8(row.name.data(), int(row.name.size())));
    for (const auto& [index, name] : byTabIndex)
        tabOrder << name;
    QWidget *const first = control<QWidget>(w, qPrintable(tabOrder.value(0))), *at = first;
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
    void forkCalculatorWindow() { checkDesign<zoret::ui::ForkCalculatorWindow>("Калькулятор вилки"); }
};

ZORET_UI_TEST_MAIN(Layouts)
#include "test_layout.moc"
