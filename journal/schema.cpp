// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/schema.h"

#include "core/exact_decimal.h"
#include "core/journal_summary.h"
#include "journal/messages.h"
#include "journal/rows.h"

#include <chrono>
#include <iterator>
#include <span>
#include <thread>

namespace zoret::journal {

namespace {

// Step n brings a journal of version n - 1 to version n. A step is never
// changed once released, so that every older file comes up the same way.
constexpr const char* version1[] = {
    "PRAGMA application_id = 1514820174",
    "CREATE TABLE bets (id INTEGER PRIMARY KEY, placed_at TEXT NOT NULL, bookmaker TEXT NOT NULL, note TEXT NOT NULL,"
    " kind TEXT NOT NULL, system_size INTEGER NOT NULL, sum_text TEXT NOT NULL, sum_mode TEXT NOT NULL)",
    "CREATE TABLE events (bet_id INTEGER NOT NULL REFERENCES bets (id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL, coefficient TEXT NOT NULL, result TEXT NOT NULL, banker INTEGER NOT NULL,"
    " description TEXT NOT NULL, PRIMARY KEY (bet_id, position)) WITHOUT ROWID",
};
static_assert(fileId == 1514820174);
constexpr const char* version2[] = {
    "CREATE INDEX bets_newest_first ON bets (placed_at DESC, id DESC)",
    "CREATE INDEX bets_by_bookmaker ON bets (bookmaker)",
};
// Each bet's settlement kept beside it (settledRecord), written with the bet
// and filled in for the bets of an older journal as it is brought up.
constexpr const char* version3[] = {
    "ALTER TABLE bets ADD COLUMN settled TEXT",
};
// Each event's closing odds, each bet's descriptions for its row, and the
// deposits and withdrawals; every bet is settled again as it is brought up
// (the record gains the closing-line value).
constexpr const char* version4[] = {
    "ALTER TABLE events ADD COLUMN closing TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE bets ADD COLUMN descriptions TEXT NOT NULL DEFAULT ''",
    "CREATE TABLE movements (id INTEGER PRIMARY KEY, at TEXT NOT NULL, bookmaker TEXT NOT NULL, kind TEXT NOT NULL,"
    " amount TEXT NOT NULL, note TEXT NOT NULL)",
    "CREATE INDEX movements_newest_first ON movements (at DESC, id DESC)",
};
constexpr std::span<const char* const> migrationSteps[] = {version1, version2, version3, version4};
static_assert(std::size(migrationSteps) == schemaVersion);
// A journal older than this has its bets settled again as it is brought up.
constexpr std::int64_t currentRecordVersion = 4;

// What this version reads of a journal, with the version that added it.
struct Columns {
    std::int64_t since;
    const char* select;
};
constexpr Columns readColumns[] = {
    {1, "SELECT id, placed_at, bookmaker, note, kind, system_size, sum_text, sum_mode FROM bets"},
    {1, "SELECT bet_id, position, coefficient, result, banker, description FROM events"},
    {3, "SELECT settled FROM bets"},
    {4, "SELECT descriptions FROM bets"},
    {4, "SELECT closing FROM events"},
    {4, "SELECT id, at, bookmaker, kind, amount, note FROM movements"},
};

constexpr const char* notAJournal = "Этот файл не журнал ставок Zoret";

SchemaCheck failure(JournalState state, std::string message) { return {state, std::move(message)}; }

SchemaCheck unusable(const Connection& connection, const std::string& what)
{
    return isDamage(connection.error())
               ? failure(JournalState::Damaged, "Журнал повреждён: " + described(connection.error()))
               : failure(JournalState::Unavailable, what + ": " + described(connection.error()));
}

// The columns this version reads are there, as far as the file's version has them.
bool hasTables(Connection& connection, std::int64_t version)
{
    for (const auto& columns : readColumns)
        if (columns.since <= version && !Statement(connection, std::string(columns.select) + " LIMIT 0").run())
            return false;
    return true;
}

// Turning a new file to write-ahead logging needs it alone, and SQLite
// does not wait for that: another program opening the same new file at the
// moment finds it busy at once. Tried again for as long as any other wait.
std::optional<std::string> writeAheadMode(Connection& connection)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockWaitMilliseconds);
    for (;;) {
        auto mode = connection.text("PRAGMA journal_mode = WAL");
        const int code = connection.error().code;
        if (mode || (code != SQLITE_BUSY && code != SQLITE_LOCKED) || std::chrono::steady_clock::now() > until)
            return mode;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Each bet keeps its settlement and its descriptions beside it: an older
// journal's bets are settled once as it is brought up. A bet this version
// cannot read keeps none, and is refused whenever it is read.
bool settleStoredBets(Connection& connection)
{
    Statement betRows(connection, std::string(selectBets) + " ORDER BY id");
    Statement eventRows(connection, std::string(selectEvents) + " ORDER BY bet_id, position");
    Statement settled(connection, "UPDATE bets SET settled = ?1, descriptions = ?2 WHERE id = ?3");
    Statement unsettled(connection, "UPDATE bets SET settled = NULL WHERE id = ?1");
    bool moreEvents = eventRows.step();
    while (betRows.step()) {
        JournalBet bet;
        bool known = readBetRow(betRows, bet);
        for (; moreEvents && eventRows.integer(0) <= bet.id; moreEvents = eventRows.step()) {
            JournalEvent event;
            known = readEventRow(eventRows, event) && eventRows.integer(0) == bet.id && known;
            bet.events.push_back(std::move(event));
        }
        if (!known || betProblem(bet)) {
            unsettled.bind(1, bet.id);
            if (!unsettled.run())
                return false;
            continue;
        }
        const BetSummary summary = summaryOf(bet);
        settled.bind(1, settledRecord(summary, betFigures(bet)));
        settled.bind(2, summary.descriptions);
        settled.bind(3, bet.id);
        if (!settled.run())
            return false;
    }
    return !betRows.failed() && !eventRows.failed();
}

} // namespace

SchemaCheck inspect(Connection& connection)
{
    // One reading throughout: another program may be making this new file
    // a journal meanwhile, and a version read before its change with the
    // tables read after would look like a file that is not a journal.
    Transaction reading(connection, false);
    const auto version = reading.began() ? connection.integer("PRAGMA user_version") : std::nullopt;
    const auto id = version ? connection.integer("PRAGMA application_id") : std::nullopt;
    if (!id)
        return unusable(connection, "Журнал не читается");
    if (*version == 0) {
        const auto objects = connection.integer("SELECT count(*) FROM sqlite_schema");
        if (!objects)
            return unusable(connection, "Журнал не читается");
        return *objects == 0 ? SchemaCheck{} : failure(JournalState::Damaged, notAJournal);
    }
    if (*id != fileId || !hasTables(connection, *version))
        return failure(JournalState::Damaged, notAJournal);
    // Counting a table's rows walks every page of its tree, which finds a
    // file cut short or pages overwritten at a small part of the cost of an
    // integrity check; damage inside a page is found when it is read.
    for (const char* count : {"SELECT count(*) FROM bets NOT INDEXED", "SELECT count(*) FROM events",
                              *version >= 4 ? "SELECT count(*) FROM movements NOT INDEXED" : "SELECT 0"})
        if (!connection.integer(count))
            return unusable(connection, "Журнал не читается");
    if (*version > schemaVersion)
        return failure(JournalState::ReadOnly, newerVersionText);
    return {};
}

SchemaCheck bringUp(Connection& connection)
{
    const auto opening = [&] {
        return failure(JournalState::Unavailable, "Журнал не открывается: " + described(connection.error()));
    };
    if (!connection.exec("PRAGMA foreign_keys = ON"))
        return opening();
    const auto mode = writeAheadMode(connection);
    if (mode != "wal")
        return opening();
    Transaction transaction(connection, true);
    const auto found = transaction.began() ? connection.integer("PRAGMA user_version") : std::nullopt;
    if (!found)
        return opening();
    const auto upgrading = [&] {
        return failure(JournalState::Unavailable, "Журнал не обновляется: " + described(connection.error()));
    };
    for (auto step = *found; step < schemaVersion; ++step) {
        for (const char* sql : migrationSteps[step])
            if (!connection.exec(sql))
                return upgrading();
        // PRAGMA user_version takes no parameter; the number is our own.
        if (!connection.exec(("PRAGMA user_version = " + countText(step + 1)).c_str()))
            return upgrading();
    }
    if (*found > 0 && *found < currentRecordVersion && !settleStoredBets(connection))
        return upgrading();
    if (!transaction.commit())
        return upgrading();
    return {};
}

} // namespace zoret::journal
