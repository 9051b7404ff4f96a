// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/settings.h"

#include <QSettings>

namespace zoret::ui {

namespace {

// Named here rather than by the application object, which tests make too.
QSettings* settings()
{
    static QSettings file(QStringLiteral("Zoret"), QStringLiteral("Zoret"));
    return &file;
}

QString keyText(std::string_view key) { return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())); }

} // namespace

QVariant savedSetting(std::string_view key) { return settings()->value(keyText(key)); }

void saveSetting(std::string_view key, const QVariant& value) { settings()->setValue(keyText(key), value); }

} // namespace zoret::ui
