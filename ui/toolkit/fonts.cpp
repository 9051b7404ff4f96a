// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cstring>

namespace zoret::ui {

namespace {

const char* standInFor(const char* family)
{
    static const struct {
        const char* original;
        const char* standIn;
    } standIns[] = {
        {"Times New Roman", "Liberation Serif"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Arial", "Liberation Sans"},
    };
    for (const auto& entry : standIns)
        if (std::strcmp(entry.original, family) == 0)
            return entry.standIn;
    return nullptr;
}

} // namespace

QFont designFont(const char* family, double points)
{
    QString chosen = QString::fromLatin1(family);
    if (const char* standIn = standInFor(family)) {
        // The installed families, not hasFamily(): that would ask fontconfig
        // to resolve the name as an alias, which costs what it saves.
        const QStringList installed = QFontDatabase::families();
        if (!installed.contains(chosen) && installed.contains(QString::fromLatin1(standIn)))
            chosen = QString::fromLatin1(standIn);
    }
    QFont font(chosen);
    font.setPointSizeF(points);
    return font;
}

} // namespace zoret::ui
