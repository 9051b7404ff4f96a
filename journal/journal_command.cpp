// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/journal_command.h"

#include "core/exact_decimal.h"
#include "journal/journal_store.h"

namespace zoret::journal {

JournalCommandOutcome journalCommand(JournalCommand command, const QString& file, const QString& journalPath)
{
    JournalStore store;
    const JournalState state = store.open(journalPath);
    const auto failed = [&] { return JournalCommandOutcome{1, {}, store.message() + "\n"}; };
    if (state != JournalState::Ready && state != JournalState::ReadOnly)
        return failed();
    const std::string name = file.toStdString();
    if (command == JournalCommand::Export) {
        const auto written = store.exportCsv(file);
        if (!written)
            return failed();
        return {
            0, "Ставок выгружено из журнала в " + name + ": " + countText(static_cast<long long>(*written)) + "\n", {}};
    }
    const auto added = store.importCsv(file);
    if (!added)
        return failed();
    return {0, "Ставок добавлено в журнал из " + name + ": " + countText(static_cast<long long>(*added)) + "\n", {}};
}

} // namespace zoret::journal
