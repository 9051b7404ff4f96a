// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/messages.h"

#include "core/exact_decimal.h"

namespace zoret::journal {

std::string described(const SqlError& error)
{
    switch (error.code) {
    case SQLITE_FULL:
        return "на диске нет места";
    case SQLITE_READONLY:
        return "файл журнала доступен только для чтения";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "журнал занят другой программой дольше " + countText(lockWaitMilliseconds / 1000) + " секунд";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "файл журнала повреждён";
    default:
        return "ошибка SQLite: " + error.text;
    }
}

bool isDamage(const SqlError& error) { return error.code == SQLITE_CORRUPT || error.code == SQLITE_NOTADB; }

std::string unreadable(std::int64_t id)
{
    return "Ставка " + countText(id) + " записана так, что эта версия Zoret её не читает";
}

std::string unreadableMovement(std::int64_t id)
{
    return "Движение средств " + countText(id) + " записано так, что эта версия Zoret его не читает";
}

} // namespace zoret::journal
