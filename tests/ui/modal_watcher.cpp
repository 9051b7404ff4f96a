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

QList<ShownMessage> ModalWatcher::takeMessages() { return std::exchange(messages_, {}); }

QStringList ModalWatcher::takeMessageTexts()
{
    QStringList texts;
    for (const ShownMessage& message : takeMessages())
        texts << message.text;
    return texts;
}

QStringList ModalWatcher::takeUnexpected() { return std::exchange(unexpected_, {}); }

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (!box->isVisible())
            return;
        messages_.append({box->windowTitle(), box->text(), box->icon()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    if (scripted_.contains(modal))
        return; // its script is about to run, or running
    const auto script = scripts_.find(modal->objectName());
    if (script != scripts_.end()) {
        auto run = std::move(script->second);
        scripts_.erase(script);
        // Not from inside this timer's slot: Qt does not fire a timer again
        // while its slot runs, and the script may provoke messages to answer.
        scripted_.insert(modal);
        QMetaObject::invokeMethod(
            this,
            [this, run = std::move(run), window = QPointer<QWidget>(modal), key = modal] {
                if (window)
                    run(window);
                scripted_.remove(key);
            },
            Qt::QueuedConnection);
        return;
    }
    unexpected_ << modal->objectName();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
