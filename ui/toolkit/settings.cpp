// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/settings.h"

#include "ui/toolkit/controls.h"

#include <QSettings>

namespace zoret::ui {

namespace {

// Named here rather than by the application object, which tests make too.
QSettings* settings()
{
    static QSettings file(QStringLiteral("Zoret"), QStringLiteral("Zoret"));
    return &file;
}

} // namespace

QVariant savedSetting(std::string_view key) { return settings()->value(toQString(key)); }

void saveSetting(std::string_view key, const QVariant& value) { settings()->setValue(toQString(key), value); }

} // namespace zoret::ui
