// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QSet>
#include <QTimer>

#include <functional>
#include <map>

// Answers the modal dialogs a test provokes, so that a handler that shows a
// message does not hang the test. Every message is recorded and must be
// taken by the test; a modal window nobody scripted is closed and reported.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalWatcher : public QObject {
public:
    ModalWatcher();
    // Runs `script` once the modal window with this objectName is active.
    void onWindow(const QString& objectName, std::function<void(QWidget*)> script);
    QList<ShownMessage> takeMessages() { return std::exchange(messages_, {}); }
    QStringList takeMessageTexts();
    QStringList takeUnexpected() { return std::exchange(unexpected_, {}); }

private:
    void poll();
    QTimer timer_;
    QList<ShownMessage> messages_;
    QStringList unexpected_;
    std::map<QString, std::function<void(QWidget*)>> scripts_;
    QSet<QWidget*> scripted_;
};
