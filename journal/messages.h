// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "journal/sqlite.h"

#include <cstdint>
#include <string>

// What the user is told of a failure of SQLite or of a stored bet.
namespace zoret::journal {

inline constexpr const char* newerVersionText =
    "Журнал записан более новой версией Zoret: его можно только просматривать";

// The cause in a few words: a full disk, a read-only file, a lock held
// longer than the wait, damage; SQLite's own text for anything else.
std::string described(const SqlError& error);

// A file that is not a SQLite database or whose pages do not read.
bool isDamage(const SqlError& error);

// A stored bet this version cannot read.
std::string unreadable(std::int64_t id);
// A stored movement this version cannot read.
std::string unreadableMovement(std::int64_t id);

} // namespace zoret::journal
