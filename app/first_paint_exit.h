// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

// For bench/startup/measure.sh: with ZORET_EXIT_AFTER_FIRST_PAINT set, the
// process ends right after its first window has been painted, so the run
// time is the start-up time. The timer lets the paint reach the screen first.
// The bare window the figures are compared with uses the same hook.
class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    static void installWhenAsked(QApplication& app)
    {
        if (qEnvironmentVariableIsSet("ZORET_EXIT_AFTER_FIRST_PAINT"))
            app.installEventFilter(new ExitAfterFirstPaint(&app));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};
