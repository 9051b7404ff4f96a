// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bank_movement.h"
#include "core/journal_summary.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The bet journal on disk: one SQLite file at the path it is opened with.
// It knows no window; every failure is a Russian message the caller shows,
// and a change is written whole or not at all.
namespace zoret::journal {

enum class JournalState {
    Closed, // not opened yet: nothing is read at start-up
    Ready,
    ReadOnly, // written by a newer version: it is read, never written
    Damaged, // not a SQLite file, failing its integrity check, or not a journal
    Unavailable // the folder or the file cannot be opened; message() says why
};

class Connection;

// journal.sqlite in the application's data folder: where the program keeps
// its journal. The store opens whatever path it is given.
QString defaultPath();

// Why a bet cannot be kept, as the user is told; nothing when it can. Every
// write asks it, and a caller may ask before it asks the user anything.
std::optional<std::string> refusal(const JournalBet& bet);
std::optional<std::string> refusal(const BankMovement& movement);

// Where the deposits and withdrawals travel beside a CSV file of bets:
// "journal.csv" gives "journal.movements.csv", "bets" "bets.movements.csv".
QString movementsPath(const QString& csvPath);

// What an import added and what it passed over as already in the journal.
struct Imported {
    std::size_t bets = 0;
    std::size_t betsSkipped = 0;
    std::size_t movements = 0;
    std::size_t movementsSkipped = 0;
};

class JournalStore {
public:
    JournalStore();
    ~JournalStore();
    JournalStore(const JournalStore&) = delete;
    JournalStore& operator=(const JournalStore&) = delete;

    // Opens the journal at `path`, creating its folder and a new journal
    // when missing and bringing an older one up to this version. A damaged
    // or newer file is left untouched.
    JournalState open(const QString& path);
    JournalState state() const { return state_; }
    // Why the last call failed, or why the journal is not ready.
    const std::string& message() const { return message_; }
    // True when the journal takes changes; message() says why not otherwise.
    bool canWrite();
    // The store's own connection, for checks from outside.
    Connection& connection() { return *connection_; }

    // Every bet with its events, the newest placed first.
    std::optional<std::vector<JournalBet>> bets();
    // What the journal's window needs of every bet, the newest placed first,
    // without reading an event or settling a bet: each is settled when it is
    // written. Reading damage found on the way turns the store Damaged.
    // With `newest`, only that many of the newest bets, at once however
    // many the journal holds.
    std::optional<JournalSummaries> summaries(std::optional<int> newest = std::nullopt);
    // Nothing when there is no such bet or the reading failed.
    std::optional<JournalBet> bet(std::int64_t id);
    std::optional<std::vector<std::string>> bookmakers(); // sorted, each once, not the blank one

    // A new bet (its id is ignored); returns the id it is stored under.
    std::optional<std::int64_t> add(const JournalBet& bet);
    // Every bet, or none when any is refused; the ids in their order.
    std::optional<std::vector<std::int64_t>> addMany(std::span<const JournalBet> bets);
    // The bet stored under bet.id takes its texts, marks and events.
    bool update(const JournalBet& bet);
    // Ids that are not stored are passed over.
    bool remove(std::span<const std::int64_t> ids);

    // Every deposit and withdrawal, the newest first.
    std::optional<std::vector<BankMovement>> movements();
    // A new movement (its id is ignored); returns the id it is stored under.
    std::optional<std::int64_t> addMovement(const BankMovement& movement);
    // Ids that are not stored are passed over.
    bool removeMovements(std::span<const std::int64_t> ids);

    // Only for a damaged journal: renames it and its -wal and -shm files to
    // journal.sqlite.damaged-<date-time> (with -2, -3... when taken; nothing
    // is overwritten or deleted), then opens a new journal. Returns the name
    // it was moved to.
    std::optional<QString> setDamagedAside();

    // The bets as a CSV file for spreadsheets, oldest first: all of them, or
    // those of `ids` that are stored; every movement goes to
    // movementsPath(path), oldest first. Returns how many bets were written.
    std::optional<std::size_t> exportCsv(const QString& path,
                                         std::optional<std::span<const std::int64_t>> ids = std::nullopt);
    // Every bet of a CSV file (UTF-8 with or without its mark, or
    // Windows-1251) and every movement of the file beside it when there is
    // one, in one transaction; a bet or a movement already in the journal
    // (duplicateKey) is passed over and counted. Nothing is added when any
    // row is faulty (message() names the file and the line) or the file is
    // in another encoding (message() says so).
    std::optional<Imported> importCsv(const QString& path);

private:
    JournalState fail(JournalState state, std::string message);
    bool connect(bool readOnly);
    bool canRead();
    bool removeRows(const char* deletion, std::span<const std::int64_t> ids, const char* failure);
    template <typename T>
    std::optional<T> failed(std::string message)
    {
        message_ = std::move(message);
        return std::nullopt;
    }

    std::unique_ptr<Connection> connection_;
    QString path_;
    JournalState state_ = JournalState::Closed;
    std::string message_;
};

} // namespace zoret::journal
