// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/convert.h"

#include <QtTest>
#include <QtWidgets>

// Finds a control by its name, the way a test drives the window: never by the text it shows.
template <typename Widget>
Widget* control(QWidget* window, const char* name)
{
    auto* widget = window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

inline void click(QWidget* window, const char* name)
{
    auto* button = control<QAbstractButton>(window, name);
    QVERIFY2(button->isEnabled() && button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QCheckBox*>(button) ? QPoint(5, button->height() / 2) : button->rect().center());
}

// Replaces the text of a box by typing into it, key by key, Cyrillic too; a date box is typed over from its first
// part on, its digits only.
inline void type(QWidget* window, const char* name, const QString& typed)
{
    if (auto* date = window->findChild<QDateTimeEdit*>(QString::fromLatin1(name))) {
        // Each part full moves on to the next, as a user types the digits alone.
        date->setFocus(), date->setCurrentSectionIndex(0), date->setSelectedSection(date->sectionAt(0));
        QTest::keyClicks(date, QString(typed).remove(QRegularExpression("[^0-9]")));
        return;
    }
    auto* combo = window->findChild<QComboBox*>(QString::fromLatin1(name));
    auto* edit = combo && combo->isEditable() ? combo->lineEdit() : control<QLineEdit>(window, name);
    edit->setFocus(), edit->selectAll(), QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, edit,
                            c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

// Opens the drop-down list, moves to the item and presses Enter.
inline void pick(QWidget* window, const char* name, const QString& item)
{
    auto* combo = control<QComboBox>(window, name);
    QVERIFY2(combo->isEnabled() && combo->findText(item) >= 0, qPrintable(name + (" " + item)));
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    combo->view()->setCurrentIndex(combo->model()->index(combo->findText(item), 0)),
        QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
}

// Lists coefficients the quick way: each put in the box and Enter pressed.
inline void addOdds(QWidget* window, const QStringList& typed)
{
    auto* box = control<QLineEdit>(window, "Text1");
    for (const QString& coefficient : typed)
        box->setText(coefficient), QTest::keyClick(box, Qt::Key_Return);
}

// Answers the message boxes a test provokes, keeping "title: text" and the box's kind (" (warning)"), runs the
// script given for a modal window once it is active, and closes and keeps a modal window nobody scripted.
class ModalWatcher : public QTimer {
public:
    ModalWatcher() { connect(this, &QTimer::timeout, this, &ModalWatcher::poll), start(5); }
    void onWindow(const QString& name, std::function<void(QWidget*)> script) { scripts_[name] = std::move(script); }
    QStringList takeMessages() { return std::exchange(shown_, {}); }
    // The next question is answered with this button instead of its default one.
    void answerNext(const QString& button) { answers_ << button; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
            shown_ << box->windowTitle() + ": " + box->text() + kindOf(box);
            // A question is answered with its default button, any other box with its only one.
            QAbstractButton* answer = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
            const QString asked =
                box->icon() == QMessageBox::Question && !answers_.isEmpty() ? answers_.takeFirst() : "";
            for (QAbstractButton* button : box->buttons())
                if (!asked.isEmpty() && button->text() == asked)
                    answer = button;
            if (answer)
                answer->click();
        } else if (modal && !qobject_cast<QMessageBox*>(modal) && !running_.contains(modal)) {
            if (const auto script = scripts_.take(modal->objectName())) {
                running_.insert(modal); // not in this slot: the timer waits while it runs, and the script needs it
                QTimer::singleShot(0, this, [this, script, modal] {
                    // A window still filling itself shows the busy cursor: the user waits, and so does the script.
                    if (!QTest::qWaitFor([modal] { return modal->cursor().shape() != Qt::BusyCursor; }))
                        shown_ << modal->objectName() + " stays busy";
                    script(modal), running_.remove(modal);
                });
            } else {
                shown_ << "unexpected window " + modal->objectName();
                modal->close();
            }
        }
    }
    // The kind of box after its text, as the scenario verbs name them; nothing for a plain message.
    static QString kindOf(const QMessageBox* box)
    {
        static const QHash<int, QString> kinds{{QMessageBox::Information, " (information)"},
                                               {QMessageBox::Warning, " (warning)"},
                                               {QMessageBox::Question, " (question)"}};
        return kinds.value(box->icon());
    }
    QStringList shown_;
    QStringList answers_;
    QHash<QString, std::function<void(QWidget*)>> scripts_;
    QSet<QWidget*> running_;
};

// Base of the window tests: each starts with the point as the locale's decimal separator and fails on a message
// or window it did not expect.
class WindowTestCase : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ModalWatcher> watcher = std::make_unique<ModalWatcher>();

private slots:
    void init() { zoret::setLocaleSeparators({".", ","}); }
    void cleanup() { QCOMPARE(watcher->takeMessages().join(" / "), QString()); }
};

// The application font the program uses.
#define ZORET_UI_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setFont(QFont("Liberation Sans", 8));                                                            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
