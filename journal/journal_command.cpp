// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/journal_command.h"

#include "core/exact_decimal.h"
#include "journal/journal_store.h"

namespace zoret::journal {

namespace {

std::string counted(std::size_t n) { return countText(static_cast<long long>(n)); }

} // namespace

JournalCommandOutcome journalCommand(JournalCommand command, const QString& file, const QString& journalPath)
{
    JournalStore store;
    const JournalState state = store.open(journalPath);
    const auto failed = [&] { return JournalCommandOutcome{1, {}, store.message() + "\n"}; };
    if (state != JournalState::Ready && state != JournalState::ReadOnly)
        return failed();
    const std::string name = file.toStdString();
    if (command == JournalCommand::Export) {
        const auto movements = store.movements();
        const auto written = movements ? store.exportCsv(file) : std::nullopt;
        if (!written)
            return failed();
        return {0,
                "Ставок выгружено из журнала в " + name + ": " + counted(*written) + ", движений средств в "
                    + movementsPath(file).toStdString() + ": " + counted(movements->size()) + "\n",
                {}};
    }
    const auto added = store.importCsv(file);
    if (!added)
        return failed();
    return {0, "Импорт из " + name + ". " + importedText(*added) + "\n", {}};
}

std::string importedText(const Imported& imported)
{
    std::string text = "Добавлено ставок: " + counted(imported.bets)
                       + ", пропущено уже бывших в журнале: " + counted(imported.betsSkipped);
    if (imported.movements + imported.movementsSkipped > 0)
        text += "; добавлено движений средств: " + counted(imported.movements)
                + ", пропущено уже бывших в журнале: " + counted(imported.movementsSkipped);
    return text;
}

} // namespace zoret::journal
