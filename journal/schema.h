// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "journal/journal_store.h"
#include "journal/sqlite.h"

#include <string>

// The tables of a journal, its version, and the steps that bring an older
// journal up to this version.
namespace zoret::journal {

inline constexpr int schemaVersion = 4;

struct SchemaCheck {
    JournalState state = JournalState::Ready;
    std::string message; // why it is not Ready
};

// Looks at an existing file on a read-only connection: a journal of this
// version or older (or a new empty file) is Ready, a newer one ReadOnly;
// anything else Damaged or, when it cannot be read, Unavailable.
SchemaCheck inspect(Connection& connection);

// On a connection for writing: write-ahead logging, foreign keys, then
// every missing step in one transaction, so that another program opening
// the same new file waits for the first and finds it done.
SchemaCheck bringUp(Connection& connection);

} // namespace zoret::journal
