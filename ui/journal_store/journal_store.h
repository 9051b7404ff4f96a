// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_summary.h"

#include <QSqlDatabase>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The bet journal on disk: one SQLite file, journal.sqlite, in the
// application's data folder. It knows no window; every failure is a Russian
// message the caller shows, and a change is written whole or not at all.
namespace zoret::ui {

enum class JournalState {
    Closed, // not opened yet: nothing is read at start-up
    Ready,
    ReadOnly, // written by a newer version: it is read, never written
    Damaged, // not a SQLite file, failing its integrity check, or not a journal
    Unavailable // the folder or the file cannot be opened; message() says why
};

class JournalStore {
public:
    JournalStore();
    ~JournalStore();
    JournalStore(const JournalStore&) = delete;
    JournalStore& operator=(const JournalStore&) = delete;

    // journal.sqlite in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    // Opens the journal at defaultPath(), creating the folder and a new
    // journal when missing and bringing an older one up to this version.
    // A damaged file is left untouched.
    JournalState open();
    JournalState state() const { return state_; }
    // Why the last call failed, or why the journal is not ready.
    const std::string& message() const { return message_; }
    // The Qt SQL connection of this store, for checks from outside.
    const QString& connectionName() const { return connection_; }

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

    // Only for a damaged journal: renames it and its -wal and -shm files to
    // journal.sqlite.damaged-<date-time> (with -2, -3... when taken; nothing
    // is overwritten or deleted), then opens a new journal. Returns the name
    // it was moved to.
    std::optional<QString> setDamagedAside();

    // The whole journal as a CSV file for spreadsheets; returns how many
    // bets were written.
    std::optional<std::size_t> exportCsv(const QString& path);
    // Every bet of a CSV file, or none when any row is faulty (message()
    // names its line); returns how many were added.
    std::optional<std::size_t> importCsv(const QString& path);

private:
    QSqlDatabase database() const;
    bool connect(bool readOnly);
    JournalState fail(JournalState state, std::string message);
    JournalState inspect();
    JournalState prepareForWriting();
    bool canRead();
    bool canWrite();

    QString connection_;
    QString path_;
    JournalState state_ = JournalState::Closed;
    std::string message_;
};

} // namespace zoret::ui
