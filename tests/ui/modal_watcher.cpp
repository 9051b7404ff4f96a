// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>

ModalWatcher::ModalWatcher()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start();
}

void ModalWatcher::onWindow(const QString& objectName, std::function<void(QWidget*)> script)
{
    scripts_[objectName] = std::move(script);
}

QStringList ModalWatcher::takeMessageTexts()
{
    QStringList texts;
    for (const ShownMessage& message : takeMessages())
        texts << message.text;
    return texts;
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
        messages_.append({box->windowTitle(), box->text(), box->icon()});
        box->button(QMessageBox::Ok)->click();
        return;
    }
    if (!modal || qobject_cast<QMessageBox*>(modal) || scripted_.contains(modal))
        return; // a closing message, or a script about to run or running
    const auto script = scripts_.find(modal->objectName());
    if (script == scripts_.end()) {
        unexpected_ << modal->objectName();
        modal->close();
        return;
    }
    // Not from inside this timer's slot: Qt does not fire a timer again while
    // its slot runs, and the script may provoke messages to answer.
    scripted_.insert(modal);
    QMetaObject::invokeMethod(
        this,
        [this, run = std::move(script->second), window = QPointer<QWidget>(modal), key = modal] {
            if (window)
                run(window);
            scripted_.remove(key);
        },
        Qt::QueuedConnection);
    scripts_.erase(script);
}
