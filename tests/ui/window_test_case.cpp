// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/window_test_case.h"

#include "core/convert.h"

#include <QTest>

void WindowTestCase::init()
{
    zoret::setLocaleSeparators({".", ","});
    watcher = new ModalWatcher;
}

void WindowTestCase::cleanup()
{
    const QStringList unexpected = watcher->takeUnexpected();
    const QStringList messages = watcher->takeMessageTexts();
    delete watcher;
    watcher = nullptr;
    zoret::setLocaleSeparators({".", ","});
    QCOMPARE(unexpected, QStringList());
    QCOMPARE(messages, QStringList());
}
