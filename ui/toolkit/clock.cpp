// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/clock.h"

#include <QDateTime>

namespace zoret::ui {

namespace {

std::string systemNow()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

std::function<std::string()>& clock()
{
    static std::function<std::string()> now = systemNow;
    return now;
}

} // namespace

std::string nowText() { return clock()(); }

std::string todayText() { return nowText().substr(0, 10); }

void setClock(std::function<std::string()> now) { clock() = std::move(now); }

} // namespace zoret::ui
