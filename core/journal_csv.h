// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
// kind code, system size, sum, sum mode code, then for each event its
// coefficient, result code, banker ("1" or "0") and description; as many
// event columns as the longest bet needs. Coefficients are written as the
// exact decimal they read as (" 1.85" gives "1,85").
std::string journalCsv(std::span<const JournalBet> bets);

struct JournalCsvReading {
    std::vector<JournalBet> bets; // empty on any error
    long long line = 0; // where the faulty row starts, 0 when everything was read
    std::string error; // "Строка 5: ..."
};

// The bets of a file journalCsv wrote, or of one a spreadsheet saved again
// (without the byte order mark, with LF, with a point or a comma, trailing
// empty fields dropped); blank rows are skipped. All or nothing: the first
// faulty row is reported and no bet is returned. Ids are 0; coefficients
// come back as the odds list writes them (" 1.85").
JournalCsvReading readJournalCsv(std::string_view file);

} // namespace zoret
