// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/clock.h"

#include <QDateTime>

namespace zoret::ui {

std::string nowText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

std::string todayText() { return nowText().substr(0, 10); }

} // namespace zoret::ui
