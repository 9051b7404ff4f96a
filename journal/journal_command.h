// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "journal/journal_store.h"

#include <QString>

#include <string>

// The journal without a window, for backups and scripts.
namespace zoret::journal {

enum class JournalCommand {
    Export, // the whole journal written to a CSV file
    Import // every bet of a CSV file added, or none
};

struct JournalCommandOutcome {
    int exitCode = 0; // 0 done, 1 not
    std::string output; // what was done, in Russian, one line
    std::string error; // why not, in Russian, one line
};

// Opens the journal at `journalPath` and does the command with `file`. A
// damaged journal is left as it is. Needs no application object.
// What an import did, as the user is told: "Добавлено ставок: 2, пропущено
// уже бывших в журнале: 1", then the same of the movements when the file
// had any.
std::string importedText(const Imported& imported);

JournalCommandOutcome journalCommand(JournalCommand command, const QString& file, const QString& journalPath);

} // namespace zoret::journal
