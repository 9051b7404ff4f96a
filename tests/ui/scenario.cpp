// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

#include "tests/ui/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QTableWidget>
#include <QTest>

#include <functional>
#include <map>

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
    if (auto* list = qobject_cast<QListWidget*>(control))
        return list->currentItem() ? list->currentItem()->text() : QString();
    return {};
}

// A table row: the texts of its cells that show one, then "*" when bold.
QString rowOf(const QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        if (const QTableWidgetItem* item = table->item(row, column); item && !item->text().isEmpty())
            cells << item->text();
    const QTableWidgetItem* first = table->item(row, 0);
    return cells.join(' ') + (first && first->font().bold() ? " *" : "");
}

QStringList itemsOf(QWidget* control)
{
    QStringList items;
    if (auto* table = qobject_cast<QTableWidget*>(control))
        for (int row = 0; row < table->rowCount(); ++row)
            items << rowOf(table, row);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(control))
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
    return items;
}

const std::map<QString, QKeySequence>& keys()
{
    static const std::map<QString, QKeySequence> named{
        {"Enter", QKeySequence(Qt::Key_Return)},        {"Esc", QKeySequence(Qt::Key_Escape)},
        {"Delete", QKeySequence(Qt::Key_Delete)},       {"Tab", QKeySequence(Qt::Key_Tab)},
        {"Ctrl+V", QKeySequence(Qt::CTRL | Qt::Key_V)}, {"Ctrl+C", QKeySequence(Qt::CTRL | Qt::Key_C)}};
    return named;
}

QListWidget* listOf(QWidget* window, const QString& name) { return control<QListWidget>(window, qPrintable(name)); }

void clickRow(QWidget* window, const QString& name, int row, bool twice)
{
    auto* list = listOf(window, name);
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Drags the mouse across the label from one end to the other.
void selectWhole(QLabel* label)
{
    const int middle = label->height() / 2;
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, middle));
    QTest::mouseMove(label, QPoint(label->width() - 2, middle));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 2, middle));
}

// Whole: the text in view is the caption and its glyphs fit inside the
// frame, or it is marked as elided and the tooltip holds the caption.
bool showsWhole(QLabel* label, QString& detail)
{
    const QString caption = label->property("caption").toString();
    const double room = label->contentsRect().width();
    if (label->text() == caption && QFontMetricsF(label->font()).horizontalAdvance(caption) <= room)
        return true;
    detail = QStringLiteral("shows \"%1\" at %2 pt, tooltip \"%3\"")
                 .arg(label->text())
                 .arg(label->font().pointSizeF())
                 .arg(label->toolTip());
    return label->text().contains(QChar(0x2026)) && label->toolTip() == caption;
}

} // namespace

QStringList controlStates(QWidget* window)
{
    QStringList states;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
            continue;
        states << QStringLiteral("%1 %2 %3 [%4]")
                      .arg(child->objectName(), child->testAttribute(Qt::WA_ForceDisabled) ? "off" : "on", shown(child),
                           itemsOf(child).join('|'));
    }
    states.sort();
    return states;
}

bool Scenario::run(const QStringList& steps) { return runSteps(window_, steps); }

bool Scenario::run(const QString& script)
{
    QStringList steps;
    for (const QString& line : script.split('\n'))
        if (!line.trimmed().isEmpty())
            steps << line.trimmed();
    return run(steps);
}

bool Scenario::runSteps(QWidget* window, const QStringList& steps)
{
    for (int i = 0; i < steps.size(); ++i) {
        const bool opensWindow = i + 1 < steps.size() && steps[i + 1].startsWith("within ");
        if (!opensWindow) {
            if (!runStep(window, steps[i]))
                return false;
            continue;
        }
        const int end = steps.indexOf("end", i + 2);
        if (end < 0) {
            QTest::qFail("'within' without 'end'", __FILE__, __LINE__);
            return false;
        }
        const QStringList inner = steps.mid(i + 2, end - i - 2);
        bool passed = false, ran = false;
        watcher_.onWindow(steps[i + 1].section(' ', 1), [&](QWidget* child) {
            ran = true;
            passed = runSteps(child, inner);
            if (!passed && child->isVisible()) // leave the modal loop so the test can report
                child->close();
        });
        if (!runStep(window, steps[i]))
            return false;
        if (!ran)
            QTest::qFail(qPrintable("no window " + steps[i + 1].section(' ', 1) + " opened"), __FILE__, __LINE__);
        if (!ran || !passed)
            return false;
        i = end;
    }
    return true;
}

bool Scenario::runStep(QWidget* window, const QString& step)
{
    const QString verb = step.section(' ', 0, 0);
    const QString name = step.section(' ', 1, 1);
    const QString argument = step.section(' ', 2);
    const QByteArray where = ("step \"" + step + "\"").toUtf8();
    // The step as the failure's message; QtTest's own check macros report it.
    const auto check = [&](bool ok, const QString& detail = {}) {
        if (!ok)
            QTest::qFail(qPrintable(where + (detail.isEmpty() ? "" : ": " + detail)), __FILE__, __LINE__);
        return ok;
    };
    if (verb == "type") {
        if (!check(control<QLineEdit>(window, qPrintable(name))->isEnabled(), "the box is disabled"))
            return false;
        type(window, qPrintable(name), argument);
    } else if (verb == "key") {
        const auto key = keys().find(argument);
        if (!check(key != keys().end(), "unknown key"))
            return false;
        QWidget* target = control<QWidget>(window, qPrintable(name));
        target->setFocus();
        const QKeyCombination combination = key->second[0];
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    } else if (verb == "paste") {
        QApplication::clipboard()->setText(QString(argument).replace("\\n", "\n"));
        QWidget* target = control<QWidget>(window, qPrintable(name));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (verb == "click") {
        auto* button = control<QAbstractButton>(window, qPrintable(name));
        if (!check(button->isEnabled() && button->isVisible(), "the control is disabled or hidden"))
            return false;
        QTest::mouseClick(button, Qt::LeftButton, {},
                          qobject_cast<QCheckBox*>(button) ? QPoint(5, button->height() / 2) : button->rect().center());
    } else if (verb == "pick") {
        pick(window, qPrintable(name), argument);
    } else if (verb == "select" || verb == "dblclick") {
        clickRow(window, name, argument.toInt(), verb == "dblclick");
    } else if (verb == "is") {
        const QString actual = shown(control<QWidget>(window, qPrintable(name)));
        return check(actual == argument, "shows \"" + actual + "\"");
    } else if (verb == "items") {
        const QString actual = itemsOf(control<QWidget>(window, qPrintable(name))).join('|');
        return check(actual == argument, "holds \"" + actual + "\"");
    } else if (verb == "enabled" || verb == "disabled") {
        const bool on = !control<QWidget>(window, qPrintable(name))->testAttribute(Qt::WA_ForceDisabled);
        return check(on == (verb == "enabled"));
    } else if (verb == "focus") {
        QWidget* focused = window->window()->focusWidget();
        return check(focused && focused->objectName() == name,
                     "focus is on " + (focused ? focused->objectName() : "nothing"));
    } else if (verb == "message") {
        const QStringList texts = watcher_.takeMessageTexts();
        const QString expected = step.section(' ', 1);
        return check(texts == QStringList{expected}, "messages shown: " + texts.join(" / "));
    } else if (verb == "copy") {
        auto* label = control<QLabel>(window, qPrintable(name));
        selectWhole(label);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    } else if (verb == "clipboard") {
        const QString actual = QApplication::clipboard()->text();
        return check(actual == step.section(' ', 1), "holds \"" + actual + "\"");
    } else if (verb == "reader") {
        const QString actual = control<QWidget>(window, qPrintable(name))->accessibleName();
        return check(actual == argument, "named \"" + actual + "\"");
    } else if (verb == "whole") {
        QString detail;
        return check(showsWhole(control<QLabel>(window, qPrintable(name)), detail), detail);
    } else if (verb == "snapshot") {
        snapshot_ = controlStates(window);
    } else if (verb == "unchanged") {
        const QStringList now = controlStates(window);
        QStringList changed;
        for (int i = 0; i < now.size(); ++i)
            if (i >= snapshot_.size() || now[i] != snapshot_[i])
                changed << now[i];
        return check(now == snapshot_, "changed: " + changed.join("; "));
    } else {
        return check(false, "unknown step");
    }
    return !QTest::currentTestFailed();
}
