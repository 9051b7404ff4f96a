// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
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
    QList<ShownMessage> takeMessages();
    QStringList takeMessageTexts();
    QStringList takeUnexpected();

private:
    void poll();

    QTimer timer_;
    QList<ShownMessage> messages_;
    QStringList unexpected_;
    std::map<QString, std::function<void(QWidget*)>> scripts_;
    QSet<QWidget*> scripted_;
};
