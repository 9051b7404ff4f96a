// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/convert.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

// Finds a control by its name, the way a test drives the window: never by the text it shows.
template <typename Widget>
Widget* control(QWidget* window, const char* name)
{
    auto* widget = window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// A label's caption as the program set it (carriage returns kept).
inline QString caption(QWidget* window, const char* name)
{
    return control<QLabel>(window, name)->property("caption").toString();
}

inline void click(QWidget* window, const char* name)
{
    auto* button = control<QAbstractButton>(window, name);
    QVERIFY2(button->isEnabled() && button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QCheckBox*>(button) ? QPoint(5, button->height() / 2) : button->rect().center());
}

// Replaces the text of a box by typing into it, key by key, Cyrillic too.
inline void type(QWidget* window, const char* name, const QString& typed)
{
    auto* edit = control<QLineEdit>(window, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
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
    combo->view()->setCurrentIndex(combo->model()->index(combo->findText(item), 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
}

// Lists coefficients the quick way: each put in the box and Enter pressed.
inline void addOdds(QWidget* window, const QStringList& typed)
{
    auto* box = control<QLineEdit>(window, "Text1");
    for (const QString& coefficient : typed) {
        box->setText(coefficient);
        QTest::keyClick(box, Qt::Key_Return);
    }
}

inline QStringList repeated(const QString& coefficient, int times) { return QList<QString>(times, coefficient); }

// Answers the message boxes a test provokes ("title: text", " (warning)" after a warning), runs the script given
// for a modal window once it is active, and closes and reports a modal window nobody scripted.
class ModalWatcher : public QObject {
public:
    ModalWatcher()
    {
        connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
        timer_.start(5);
    }
    void onWindow(const QString& name, std::function<void(QWidget*)> script) { scripts_[name] = std::move(script); }
    QStringList takeMessages() { return std::exchange(messages_, {}); }
    QStringList takeUnexpected() { return std::exchange(unexpected_, {}); }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
            messages_ << box->windowTitle() + ": " + box->text()
                             + (box->icon() == QMessageBox::Warning ? " (warning)" : "");
            box->button(QMessageBox::Ok)->click();
        } else if (modal && !qobject_cast<QMessageBox*>(modal) && !running_.contains(modal)) {
            const auto script = scripts_.take(modal->objectName());
            if (!script) {
                unexpected_ << modal->objectName();
                modal->close();
                return;
            } // run outside this slot: the timer does not fire while it runs, and the script provokes messages
            running_.insert(modal);
            QMetaObject::invokeMethod(
                this,
                [this, script, window = QPointer<QWidget>(modal), modal] {
                    if (window)
                        script(window);
                    running_.remove(modal);
                },
                Qt::QueuedConnection);
        }
    }
    QTimer timer_;
    QStringList messages_, unexpected_;
    QHash<QString, std::function<void(QWidget*)>> scripts_;
    QSet<QWidget*> running_;
};

// Base of the window tests: each runs with a watcher and fails on an unexpected window or an untaken message; the
// point is the locale's decimal separator unless the test says otherwise.
class WindowTestCase : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ModalWatcher> watcher;

private slots:
    void init()
    {
        zoret::setLocaleSeparators({".", ","});
        watcher = std::make_unique<ModalWatcher>();
    }
    void cleanup()
    {
        const QStringList left = watcher->takeUnexpected() + watcher->takeMessages();
        watcher.reset();
        zoret::setLocaleSeparators({".", ","});
        QCOMPARE(left, QStringList());
    }
};

// Offscreen unless told otherwise, the application font the program uses.
#define ZORET_UI_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setFont(QFont("Liberation Sans", 8));                                                            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
