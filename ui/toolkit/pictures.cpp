// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/pictures.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace zoret::ui {

QIcon downArrowPicture()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const double s = size / 16.0;
        painter.drawPolygon(QPolygonF({{6 * s, 1 * s},
                                       {10 * s, 1 * s},
                                       {10 * s, 8 * s},
                                       {14 * s, 8 * s},
                                       {8 * s, 15 * s},
                                       {2 * s, 8 * s},
                                       {6 * s, 8 * s}}));
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon windowIcon()
{
    // Naming the format spares a probe through every image plugin at start-up.
    QIcon icon;
    for (const char* file : {":/icons/zoret-16.png", ":/icons/zoret-32.png"})
        icon.addPixmap(QPixmap(QString::fromLatin1(file), "PNG"));
    return icon;
}

} // namespace zoret::ui
