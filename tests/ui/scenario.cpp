// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

#include "tests/ui/main_window_steps.h"

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

// A table's rows: the texts of the cells that show one, then "*" when bold.
QStringList itemsOf(QWidget* control)
{
    QStringList items;
    if (auto* table = qobject_cast<QTableWidget*>(control))
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* item = table->item(row, column); item && !item->text().isEmpty())
                    cells << item->text();
            const QTableWidgetItem* first = table->item(row, 0);
            items << cells.join(' ') + (first && first->font().bold() ? " *" : "");
        }
    if (auto* combo = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(control))
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
    return items;
}

void press(QWidget* target, QKeyCombination key)
{
    target->setFocus();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void clickRow(QListWidget* list, int row, bool twice)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Drags the mouse across the label from one end to the other, then Ctrl+C.
void copyWhole(QLabel* label)
{
    const int middle = label->height() / 2;
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, middle));
    QTest::mouseMove(label, QPoint(label->width() - 2, middle));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 2, middle));
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
}

// Whole: the text in view is the caption and its glyphs fit inside the
// frame, or it is marked as elided and the tooltip holds the caption.
bool showsWhole(QLabel* label)
{
    const QString caption = label->property("caption").toString();
    if (label->text() == caption
        && QFontMetricsF(label->font()).horizontalAdvance(caption) <= label->contentsRect().width())
        return true;
    return label->text().contains(QChar(0x2026)) && label->toolTip() == caption;
}

QStringList coefficients(const QString& argument)
{
    QStringList listed;
    for (const QString& word : argument.split(' ', Qt::SkipEmptyParts))
        listed << (word.contains('*') ? repeated(word.section('*', 1), word.section('*', 0, 0).toInt())
                                      : QStringList{word});
    return listed;
}

} // namespace

QStringList controlStates(QWidget* window)
{
    QStringList states;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            states << QStringLiteral("%1 %2 %3 [%4]")
                          .arg(child->objectName(), child->testAttribute(Qt::WA_ForceDisabled) ? "off" : "on",
                               shown(child), itemsOf(child).join('|'));
    states.sort();
    return states;
}

bool Scenario::run(const QStringList& steps) { return runSteps(window_, steps); }

bool Scenario::run(const QString& script)
{
    QStringList steps;
    for (const QString& line : script.split('\n'))
        for (const QString& step : line.split(" ; "))
            if (!step.trimmed().isEmpty())
                steps << step.trimmed();
    return run(steps);
}

// A step followed by "within FORM" opens that modal window; the steps up to
// "end" run in it.
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
    const QString verb = step.section(' ', 0, 0), name = step.section(' ', 1, 1), argument = step.section(' ', 2);
    const QString rest = step.section(' ', 1);
    const auto named = [&]() { return control<QWidget>(window, qPrintable(name)); };
    const auto check = [&](bool ok, const QString& detail = {}) {
        if (!ok)
            QTest::qFail(qPrintable("step \"" + step + "\"" + (detail.isEmpty() ? "" : ": " + detail)), __FILE__,
                         __LINE__);
        return ok;
    };
    static const std::map<QString, QKeyCombination> keys{
        {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape},          {"Delete", Qt::Key_Delete},
        {"Tab", Qt::Key_Tab},      {"Ctrl+V", Qt::CTRL | Qt::Key_V}, {"Ctrl+C", Qt::CTRL | Qt::Key_C}};
    if (verb == "type") {
        if (!check(named()->isEnabled(), "the box is disabled"))
            return false;
        type(window, qPrintable(name), argument);
    } else if (verb == "add") {
        addOdds(window, coefficients(rest));
    } else if (verb == "key") {
        if (!check(keys.count(argument), "unknown key"))
            return false;
        press(named(), keys.at(argument));
    } else if (verb == "paste") {
        QApplication::clipboard()->setText(QString(argument).replace("\\n", "\n"));
        press(named(), Qt::CTRL | Qt::Key_V);
    } else if (verb == "click") {
        auto* button = control<QAbstractButton>(window, qPrintable(name));
        if (!check(button->isEnabled() && button->isVisible(), "the control is disabled or hidden"))
            return false;
        QTest::mouseClick(button, Qt::LeftButton, {},
                          qobject_cast<QCheckBox*>(button) ? QPoint(5, button->height() / 2) : button->rect().center());
    } else if (verb == "pick") {
        pick(window, qPrintable(name), argument);
    } else if (verb == "select" || verb == "dblclick") {
        clickRow(control<QListWidget>(window, qPrintable(name)), argument.toInt(), verb == "dblclick");
    } else if (verb == "is") {
        return check(shown(named()) == argument, "shows \"" + shown(named()) + "\"");
    } else if (verb == "items") {
        const QString actual = itemsOf(named()).join('|');
        return check(actual == argument, "holds \"" + actual + "\"");
    } else if (verb == "enabled" || verb == "disabled") {
        QStringList wrong;
        for (const QString& each : rest.split(' '))
            if (isEnabledOwn(window, qPrintable(each)) != (verb == "enabled"))
                wrong << each;
        return check(wrong.isEmpty(), "not so: " + wrong.join(' '));
    } else if (verb == "focus") {
        QWidget* focused = window->window()->focusWidget();
        return check(focused && focused->objectName() == name, "focus on " + (focused ? focused->objectName() : ""));
    } else if (verb == "message" || verb == "warning") {
        const QList<ShownMessage> messages = watcher_.takeMessages();
        QStringList texts;
        for (const ShownMessage& message : messages)
            texts << message.title + ": " + message.text + (message.icon == QMessageBox::Warning ? " (warning)" : "");
        const bool warning = verb == "warning";
        return check(texts == QStringList{"Zoret: " + rest + (warning ? " (warning)" : "")}
                         || (!warning && texts == QStringList{"Zoret: " + rest + " (warning)"}),
                     "messages shown: " + texts.join(" / "));
    } else if (verb == "copy") {
        copyWhole(control<QLabel>(window, qPrintable(name)));
    } else if (verb == "clipboard") {
        return check(QApplication::clipboard()->text() == rest, "holds \"" + QApplication::clipboard()->text() + "\"");
    } else if (verb == "reader") {
        return check(named()->accessibleName() == argument, "named \"" + named()->accessibleName() + "\"");
    } else if (verb == "whole") {
        auto* label = control<QLabel>(window, qPrintable(name));
        return check(showsWhole(label), "shows \"" + label->text() + "\", tooltip \"" + label->toolTip() + "\"");
    } else if (verb == "snapshot") {
        snapshot_ = controlStates(window);
    } else if (verb == "unchanged") {
        const QStringList now = controlStates(window);
        QStringList changed;
        for (const QString& state : now)
            if (!snapshot_.contains(state))
                changed << state;
        return check(now == snapshot_, "changed: " + changed.join("; "));
    } else {
        return check(false, "unknown step");
    }
    return !QTest::currentTestFailed();
}
