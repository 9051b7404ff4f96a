// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

// While the application object is made: without a display Qt ends the
// program with a fatal message of its own and an abort (a core dump on many
// systems). This guard says in Russian what is missing and exits with
// status 1 instead; Qt's other messages of that moment are held back and
// passed on once a display was found.
class MissingDisplayGuard {
public:
    MissingDisplayGuard() { previous() = qInstallMessageHandler(&MissingDisplayGuard::handle); }
    ~MissingDisplayGuard()
    {
        qInstallMessageHandler(previous());
        for (const Held& message : held())
            qt_message_output(message.type, QMessageLogContext(), message.text);
        held().clear();
    }
    MissingDisplayGuard(const MissingDisplayGuard&) = delete;
    MissingDisplayGuard& operator=(const MissingDisplayGuard&) = delete;

    static constexpr const char* explanation =
        "Для работы Zoret нужен графический сеанс; без него программу запускает QT_QPA_PLATFORM=offscreen.\n";

private:
    struct Held {
        QtMsgType type;
        QString text;
    };
    static QtMessageHandler& previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static QList<Held>& held()
    {
        static QList<Held> messages;
        return messages;
    }
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type != QtFatalMsg) {
            held().append({type, text});
            return;
        }
        std::fputs(explanation, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
};
