// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bank_movement.h"
#include "core/journal_bet.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The journal as a spreadsheet in a Russian locale opens it: UTF-8 with a
// byte order mark, ';' between fields, CRLF, fields quoted as RFC 4180 says,
// numbers with a decimal comma. One row a bet, its events in columns.
namespace zoret {

// A header row, then one row for each bet in turn: date, bookmaker, note,
// kind, system size, sum, sum mode code, then what a spreadsheet sums
// ("Статус", "Выплата", "Прибыль", "CLV", as the journal's window shows
// them; a reading ignores them), then for each event its coefficient,
// result, banker ("1" or "0"), description and closing odds; as many event
// columns as the longest bet needs. Kinds and results are in Russian.
// Coefficients are written as the exact decimal they read as (" 1.85"
// gives "1,85").
std::string journalCsv(std::span<const JournalBet> bets);

struct JournalCsvReading {
    std::vector<JournalBet> bets; // empty on any error
    long long line = 0; // where the faulty row starts, 0 when everything was read
    std::string error; // "Строка 5: ..."
};

// The bets of a file journalCsv wrote, or an older version of it (without
// the summed columns and closing odds, English codes), or of one a
// spreadsheet saved again (without the byte order mark, with LF, with a
// point or a comma, trailing empty fields dropped); blank rows are
// skipped. `file` is UTF-8 (spreadsheetText). All or nothing: the first
// faulty row is reported and no bet is returned. Ids are 0; coefficients
// come back as the odds list writes them (" 1.85").
JournalCsvReading readJournalCsv(std::string_view file);

// The deposits and withdrawals, in the same dialect: date, bookmaker,
// "Движение" (the kind's caption), amount, note.
std::string movementsCsv(std::span<const BankMovement> movements);

struct MovementsCsvReading {
    std::vector<BankMovement> movements; // empty on any error
    long long line = 0;
    std::string error; // "Строка 5: ..."
};

MovementsCsvReading readMovementsCsv(std::string_view file);

} // namespace zoret
