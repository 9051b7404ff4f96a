// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/modal_watcher.h"

#include <QObject>
#include <QStringList>

// Base of the window tests: every test runs with a watcher that answers
// message boxes and fails on an unexpected window or an untaken message,
// and with the point as the locale's decimal separator unless it says so.
class WindowTestCase : public QObject {
    Q_OBJECT

protected:
    ModalWatcher* watcher = nullptr;

private slots:
    void init();
    void cleanup();
};
