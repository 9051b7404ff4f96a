// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

#include "ui/main_window/main_window.h"

namespace {

QString shown(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->property("caption").isValid() ? label->property("caption").toString() : label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* date = qobject_cast<QDateTimeEdit*>(control))
        return date->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isCheckable() ? QString::number(button->isChecked()) : button->text();
    auto* list = qobject_cast<QListWidget*>(control);
    return list && list->currentItem() ? list->currentItem()->text() : QString();
}

// The rows of a list, drop-down or table: the cells that show a text joined by blanks, " *" after a bold row.
QString itemsOf(QWidget* control)
{
    auto* view = qobject_cast<QAbstractItemView*>(control);
    auto* combo = qobject_cast<QComboBox*>(control);
    QAbstractItemModel* model = view ? view->model() : combo ? combo->model() : nullptr;
    QStringList rows;
    for (int row = 0; model && row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            if (const QString cell = model->index(row, column).data().toString(); !cell.isEmpty())
                cells << cell;
        rows << cells.join(' ') + (model->index(row, 0).data(Qt::FontRole).value<QFont>().bold() ? " *" : "");
    }
    return rows.join('|');
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

// What a step acts on and what it holds: "verb name argument", rest = everything after the verb.
struct Step {
    QWidget* window;
    QString verb, name, argument, rest;
    ModalWatcher& watcher;
    QStringList& snapshot;
    QHash<QString, QSize>& sizes;
    QWidget* named() const { return control<QWidget>(window, qPrintable(name)); }
    QWidget* focused() const { return named()->setFocus(), named(); }
};

QString differs(const QString& actual, const QString& expected)
{
    return actual == expected ? "" : "is \"" + actual + "\"";
}

QString clickRow(const Step& s)
{
    auto* list = control<QAbstractItemView>(s.window, qPrintable(s.name));
    const QModelIndex row = list->model()->index(s.argument.toInt(), 0);
    list->scrollTo(row);
    const QPoint at = list->visualRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (s.verb == "dblclick")
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return {};
}

// Drags the mouse across the label from one end to the other, then Ctrl+C.
QString copyWhole(const Step& s)
{
    auto* label = control<QLabel>(s.window, qPrintable(s.name));
    const QPoint from(1, label->height() / 2), to(label->width() - 2, label->height() / 2);
    QTest::mousePress(label, Qt::LeftButton, {}, from), QTest::mouseMove(label, to);
    QTest::mouseRelease(label, Qt::LeftButton, {}, to), QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    return {};
}

QString listCoefficients(const Step& s)
{
    QStringList listed;
    for (const QString& word : s.rest.split(' ', Qt::SkipEmptyParts))
        listed << (word.contains('*') ? QStringList(word.section('*', 0, 0).toInt(), word.section('*', 1))
                                      : QStringList{word});
    addOdds(s.window, listed);
    return {};
}

QString enabling(const Step& s)
{
    QStringList wrong;
    for (const QString& each : s.rest.split(' '))
        if (control<QWidget>(s.window, qPrintable(each))->isEnabled() != (s.verb == "enabled"))
            wrong << each;
    return wrong.isEmpty() ? "" : "not so: " + wrong.join(' ');
}

QString messageShown(const Step& s)
{
    const QStringList shown = s.watcher.takeMessages();
    const QString kind = s.verb == "message" ? "" : " (" + s.verb + ")";
    return shown == QStringList{"Zoret: " + s.rest + kind} ? "" : "messages shown: " + shown.join(" / ");
}

QString unchanged(const Step& s)
{
    QStringList changed = controlStates(s.window);
    changed.removeIf([&](const QString& state) { return s.snapshot.contains(state); });
    return changed.isEmpty() && controlStates(s.window) == s.snapshot ? "" : "changed: " + changed.join("; ");
}

const QHash<QString, Qt::Key> keys{
    {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"Delete", Qt::Key_Delete}, {"Tab", Qt::Key_Tab}};
using Verb = QString (*)(const Step&); // an action returns nothing, a check why it fails or nothing
// clang-format off
const QHash<QString, Verb> verbs{
    {"type", [](const Step& s) { return s.named()->isEnabled() ? type(s.window, qPrintable(s.name), s.argument), QString() : "the box is disabled"; }},
    {"key", [](const Step& s) { return keys.contains(s.argument) ? QTest::keyClick(s.focused(), keys[s.argument]), QString() : "unknown key"; }},
    {"paste", [](const Step& s) { QApplication::clipboard()->setText(QString(s.argument).replace("\\n", "\n").replace("\\t", "\t")); QTest::keyClick(s.focused(), Qt::Key_V, Qt::ControlModifier); return QString(); }},
    {"click", [](const Step& s) { click(s.window, qPrintable(s.name)); return QString(); }},
    {"pick", [](const Step& s) { pick(s.window, qPrintable(s.name), s.argument); return QString(); }},
    {"snapshot", [](const Step& s) { s.snapshot = controlStates(s.window); return QString(); }},
    {"is", [](const Step& s) { return differs(shown(s.named()), s.argument); }},
    {"items", [](const Step& s) { return differs(itemsOf(s.named()), s.argument); }},
    {"focus", [](const Step& s) { QWidget* at = s.window->window()->focusWidget(); return differs(at ? at->objectName() : "", s.name); }},
    {"clipboard", [](const Step& s) { return differs(QApplication::clipboard()->text(), s.rest); }},
    {"reader", [](const Step& s) { return differs(s.named()->accessibleName(), s.argument); }},
    {"answer", [](const Step& s) { s.watcher.answerNext(s.rest); return QString(); }},
    {"add", listCoefficients}, {"select", clickRow}, {"dblclick", clickRow}, {"copy", copyWhole},
    {"enabled", enabling}, {"disabled", enabling}, {"message", messageShown}, {"information", messageShown},
    {"warning", messageShown}, {"question", messageShown}, {"unchanged", unchanged}};
// clang-format on

// Menus, keys and sizes: menu (an item clicked in its opened menu), item (an item on or off), shortcut (a key
// sequence such as Ctrl+Q to a control), visible, inview (inside its parent's area), resize (the window, in pixels),
// size and grown (a control's or the window's size, and how much it grew at the last resize).
QWidget* namedOrWindow(const Step& s) { return s.name == s.window->objectName() ? s.window : s.named(); }

QString clickMenuItem(const Step& s)
{
    auto* item = control<QAction>(s.window, qPrintable(s.name));
    auto* menu = qobject_cast<QMenu*>(item->parent());
    auto* bar = s.window->findChild<QMenuBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return "its menu does not open";
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    if (menu->isVisible())
        return menu->close(), "the item does not answer";
    QCoreApplication::processEvents(); // the item's handler runs once the menu has closed
    return {};
}

QString pressKeys(const Step& s)
{
    const QKeyCombination keys = QKeySequence(s.argument)[0];
    s.window->activateWindow(); // a shortcut belongs to the active window
    if (!QTest::qWaitForWindowActive(s.window))
        return "the window does not become active";
    QTest::keyClick(s.focused(), keys.key(), keys.keyboardModifiers());
    QCoreApplication::processEvents();
    return {};
}

QString resizeWindow(const Step& s)
{
    s.sizes.clear();
    for (QWidget* child : s.window->findChildren<QWidget*>())
        s.sizes[child->objectName()] = child->size();
    s.sizes[s.window->objectName()] = s.window->size();
    s.window->resize(s.name.toInt(), s.argument.toInt());
    QCoreApplication::processEvents();
    return {};
}

QString sizeText(QSize size) { return QString::number(size.width()) + ' ' + QString::number(size.height()); }

// clang-format off
const QHash<QString, Verb> windowVerbs{
    {"menu", clickMenuItem}, {"shortcut", pressKeys}, {"resize", resizeWindow},
    {"item", [](const Step& s) { return differs(control<QAction>(s.window, qPrintable(s.name))->isEnabled() ? "on" : "off", s.argument); }},
    {"visible", [](const Step& s) { return s.named()->isVisible() ? "" : QString("hidden"); }},
    {"inview", [](const Step& s) { return s.named()->parentWidget()->rect().contains(s.named()->geometry()) ? "" : QString("out of view"); }},
    {"size", [](const Step& s) { return differs(sizeText(namedOrWindow(s)->size()), s.argument); }},
    {"grown", [](const Step& s) { return differs(sizeText(namedOrWindow(s)->size() - s.sizes.value(s.name)), s.argument); }}};
// clang-format on

} // namespace

bool Scenario::run(const QString& script)
{
    QStringList steps;
    for (const QString& line : script.split('\n'))
        for (const QString& step : line.split(" ; "))
            if (!step.trimmed().isEmpty())
                steps << step.trimmed();
    return runSteps(window_, steps);
}

// The "end" of the window whose steps start at `from`, past the windows opened within it; the last step if none.
int matchingEnd(const QStringList& steps, int from)
{
    for (int depth = 0; from < steps.size(); ++from)
        if (steps[from].startsWith("within "))
            ++depth;
        else if (steps[from] == "end" && depth-- == 0)
            return from;
    return int(steps.size());
}

// A step followed by "within FORM" opens that modal window; the steps up to its "end" (or the last) run in it.
bool Scenario::runSteps(QWidget* window, const QStringList& steps)
{
    for (int i = 0; i < steps.size(); ++i) {
        const bool opens = i + 1 < steps.size() && steps[i + 1].startsWith("within ");
        const int end = !opens ? i : matchingEnd(steps, i + 2);
        bool ran = false, passed = true;
        if (opens)
            watcher_.onWindow(steps[i + 1].section(' ', 1), [&, inner = steps.mid(i + 2, end - i - 2)](QWidget* child) {
                ran = true;
                if (!(passed = runSteps(child, inner)) && child->isVisible()) // leave the modal loop to report
                    child->close();
            });
        if (!runStep(window, steps[i]) || !passed)
            return false;
        if (opens && !ran)
            return QTest::qVerify(false, qPrintable(steps[i + 1]), "no such window opened", __FILE__, __LINE__);
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
                 snapshot_,
                 sizes_};
    const Verb verb = verbs.value(s.verb, windowVerbs.value(s.verb));
    const QString why = verb ? verb(s) : "unknown step";
    if (!why.isEmpty())
        QTest::qFail(qPrintable("step \"" + step + "\": " + why), __FILE__, __LINE__);
    return why.isEmpty() && !QTest::currentTestFailed();
}

QString temporaryJournal()
{
    static const QTemporaryDir folder;
    return folder.filePath("journal.sqlite");
}

bool runFromMainWindow(ModalWatcher& watcher, const QString& script, const QString& journalPath)
{
    zoret::ui::MainWindow form(journalPath);
    form.load();
    return Scenario(form.window(), watcher).run(script);
}
