// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QTableWidget>

namespace {

QString shown(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->property("caption").isValid() ? label->property("caption").toString() : label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isCheckable() ? QString::number(button->isChecked()) : button->text();
    auto* list = qobject_cast<QListWidget*>(control);
    return list && list->currentItem() ? list->currentItem()->text() : QString();
}

QString itemsOf(QWidget* control)
{
    QStringList items;
    if (auto* table = qobject_cast<QTableWidget*>(control))
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* item = table->item(row, column); item && !item->text().isEmpty())
                    cells << item->text();
            items << cells.join(' ') + (table->item(row, 0) && table->item(row, 0)->font().bold() ? " *" : "");
        }
    if (auto* combo = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(control))
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
    return items.join('|');
}

// Every control's visible state, one line each: for "nothing else changed".
QStringList controlStates(QWidget* window)
{
    QStringList states;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            states << QStringLiteral("%1 %2 %3 [%4]")
                          .arg(child->objectName(), child->testAttribute(Qt::WA_ForceDisabled) ? "off" : "on",
                               shown(child), itemsOf(child));
    states.sort();
    return states;
}

void press(QWidget* target, QKeyCombination key)
{
    target->setFocus();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

// What a step acts on, and where it reports.
struct Step {
    QWidget* window;
    QString verb, name, argument, rest;
    ModalWatcher& watcher;
    QStringList& snapshot;
    QWidget* named() const { return control<QWidget>(window, qPrintable(name)); }
};

// An action returns nothing; a check returns why it fails, or nothing.
using Verb = QString (*)(const Step&);

QString clickRow(const Step& s)
{
    auto* list = control<QListWidget>(s.window, qPrintable(s.name));
    list->scrollToItem(list->item(s.argument.toInt()));
    const QPoint at = list->visualItemRect(list->item(s.argument.toInt())).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (s.verb == "dblclick")
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return {};
}

QString listCoefficients(const Step& s)
{
    QStringList listed;
    for (const QString& word : s.rest.split(' ', Qt::SkipEmptyParts))
        listed << (word.contains('*') ? repeated(word.section('*', 1), word.section('*', 0, 0).toInt())
                                      : QStringList{word});
    addOdds(s.window, listed);
    return {};
}

// Drags the mouse across the label from one end to the other, then Ctrl+C.
QString copyWhole(const Step& s)
{
    auto* label = control<QLabel>(s.window, qPrintable(s.name));
    const QPoint from(1, label->height() / 2), to(label->width() - 2, label->height() / 2);
    QTest::mousePress(label, Qt::LeftButton, {}, from);
    QTest::mouseMove(label, to);
    QTest::mouseRelease(label, Qt::LeftButton, {}, to);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    return {};
}

QString enabling(const Step& s)
{
    QStringList wrong;
    for (const QString& each : s.rest.split(' '))
        if (control<QWidget>(s.window, qPrintable(each))->testAttribute(Qt::WA_ForceDisabled) == (s.verb == "enabled"))
            wrong << each;
    return wrong.isEmpty() ? "" : "not so: " + wrong.join(' ');
}

QString messageShown(const Step& s)
{
    const QStringList shown = s.watcher.takeMessages();
    const QString expected = "Zoret: " + s.rest, warned = expected + " (warning)";
    const bool right = shown == QStringList{warned} || (s.verb == "message" && shown == QStringList{expected});
    return right ? "" : "messages shown: " + shown.join(" / ");
}

QString keyPressed(const Step& s)
{
    static const QHash<QString, Qt::Key> keys{
        {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"Delete", Qt::Key_Delete}, {"Tab", Qt::Key_Tab}};
    if (!keys.contains(s.argument))
        return "unknown key";
    press(s.named(), keys[s.argument]);
    return {};
}

QString unchanged(const Step& s)
{
    const QStringList now = controlStates(s.window);
    QStringList changed;
    for (const QString& state : now)
        if (!s.snapshot.contains(state))
            changed << state;
    return now == s.snapshot ? "" : "changed: " + changed.join("; ");
}

// Whole: the caption in view with its glyphs inside the frame, or marked elided with the caption in the tooltip.
QString wholeOrElided(const Step& s)
{
    auto* label = control<QLabel>(s.window, qPrintable(s.name));
    const QString caption = label->property("caption").toString();
    if (label->text() == caption
        && QFontMetricsF(label->font()).horizontalAdvance(caption) <= label->contentsRect().width())
        return {};
    return label->text().contains(QChar(0x2026)) && label->toolTip() == caption
               ? ""
               : "shows \"" + label->text() + "\", tooltip \"" + label->toolTip() + "\"";
}

QString typed(const Step& s)
{
    if (!s.named()->isEnabled())
        return "the box is disabled";
    type(s.window, qPrintable(s.name), s.argument);
    return {};
}

QString differs(const QString& actual, const QString& expected)
{
    return actual == expected ? "" : "is \"" + actual + "\"";
}

// clang-format off
const QHash<QString, Verb> verbs{
    {"type", typed},
    {"add", listCoefficients},
    {"key", keyPressed},
    {"paste", [](const Step& s) { QApplication::clipboard()->setText(QString(s.argument).replace("\\n", "\n")); press(s.named(), Qt::CTRL | Qt::Key_V); return QString(); }},
    {"click", [](const Step& s) { click(s.window, qPrintable(s.name)); return QString(); }},
    {"pick", [](const Step& s) { pick(s.window, qPrintable(s.name), s.argument); return QString(); }},
    {"select", clickRow},
    {"dblclick", clickRow},
    {"copy", copyWhole},
    {"snapshot", [](const Step& s) { s.snapshot = controlStates(s.window); return QString(); }},
    {"is", [](const Step& s) { return differs(shown(s.named()), s.argument); }},
    {"items", [](const Step& s) { return differs(itemsOf(s.named()), s.argument); }},
    {"enabled", enabling},
    {"disabled", enabling},
    {"focus", [](const Step& s) { QWidget* at = s.window->window()->focusWidget(); return differs(at ? at->objectName() : "", s.name); }},
    {"message", messageShown},
    {"warning", messageShown},
    {"clipboard", [](const Step& s) { return differs(QApplication::clipboard()->text(), s.rest); }},
    {"reader", [](const Step& s) { return differs(s.named()->accessibleName(), s.argument); }},
    {"whole", wholeOrElided},
    {"unchanged", unchanged},
};
// clang-format on

} // namespace

bool Scenario::run(const QString& script)
{
    QStringList steps;
    for (const QString& line : script.split('\n'))
        for (const QString& step : line.split(" ; "))
            if (!step.trimmed().isEmpty())
                steps << step.trimmed();
    return run(steps);
}

// A step followed by "within FORM" opens that modal window; the steps up to "end" run in it.
bool Scenario::runSteps(QWidget* window, const QStringList& steps)
{
    for (int i = 0; i < steps.size(); ++i) {
        if (i + 1 == steps.size() || !steps[i + 1].startsWith("within ")) {
            if (!runStep(window, steps[i]))
                return false;
            continue;
        }
        const QString form = steps[i + 1].section(' ', 1);
        const int end = steps.indexOf("end", i + 2);
        bool passed = false, ran = false;
        watcher_.onWindow(form, [&, inner = steps.mid(i + 2, end - i - 2)](QWidget* child) {
            ran = true;
            passed = runSteps(child, inner);
            if (!passed && child->isVisible()) // leave the modal loop so the test can report
                child->close();
        });
        if (end < 0 || !runStep(window, steps[i]))
            return QTest::qVerify(end >= 0, "within ... end", "", __FILE__, __LINE__) && false;
        if (!ran)
            QTest::qFail(qPrintable("no window " + form + " opened"), __FILE__, __LINE__);
        if (!ran || !passed)
            return false;
        i = end;
    }
    return true;
}

bool Scenario::runStep(QWidget* window, const QString& step)
{
    const Step s{window,
                 step.section(' ', 0, 0),
                 step.section(' ', 1, 1),
                 step.section(' ', 2),
                 step.section(' ', 1),
                 watcher_,
                 snapshot_};
    const Verb verb = verbs.value(s.verb);
    const QString why = verb ? verb(s) : "unknown step";
    if (!why.isEmpty())
        QTest::qFail(qPrintable("step \"" + step + "\": " + why), __FILE__, __LINE__);
    return why.isEmpty() && !QTest::currentTestFailed();
}
