// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one way the journal speaks to SQLite: a connection and statements
// that finalize themselves, every value from outside bound as a parameter.
// A failure is kept on the connection as SQLite's primary result code and
// its text, for the messages to tell apart.
namespace zoret::journal {

// "ZJRN" in the file's header: this SQLite file is a journal of Zoret.
inline constexpr int fileId = 0x5A4A524E;
// How long a change waits for another program's lock; the messages say so.
inline constexpr int lockWaitMilliseconds = 5000;

struct SqlError {
    int code = SQLITE_OK; // primary result code
    std::string text;
};

class Connection {
public:
    Connection() = default;
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A read-only connection never creates or changes the file.
    bool open(const std::string& path, bool readOnly);
    void close();
    // A statement without parameters, its rows not wanted.
    bool exec(const char* sql);
    // The first column of the first row of a statement without parameters.
    std::optional<std::int64_t> integer(const char* sql);
    std::optional<std::string> text(const char* sql);
    std::int64_t lastInsertId() const { return sqlite3_last_insert_rowid(handle_); }
    int changes() const { return sqlite3_changes(handle_); }
    const SqlError& error() const { return error_; }

private:
    friend class Statement;
    bool failed(int code);

    sqlite3* handle_ = nullptr;
    SqlError error_;
};

// A prepared statement; a failure to prepare shows at its first step.
class Statement {
public:
    Statement(Connection& connection, std::string_view sql);
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1, as SQLite counts them.
    void bind(int index, std::int64_t value);
    void bind(int index, std::string_view value);
    // True on a row; false when done or failed (failed() says which).
    bool step();
    bool failed() const { return failed_; }
    // Steps to the end and rewinds for new parameters; false when it failed.
    bool run();
    // Rewinds a statement whose rows were read, for new parameters.
    void rewind();

    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
    // Valid until the next step; empty for NULL.
    std::string_view text(int column) const;
    bool isText(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_TEXT; }

private:
    Connection& connection_;
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
};

// BEGIN IMMEDIATE for a change, so that a second writer waits at the start
// instead of failing at the commit; a plain BEGIN keeps a reading of two
// statements consistent. Rolled back unless committed.
class Transaction {
public:
    Transaction(Connection& connection, bool forChange);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool began() const { return began_; }
    bool commit();

private:
    Connection& connection_;
    bool began_ = false;
    bool committed_ = false;
};

} // namespace zoret::journal
