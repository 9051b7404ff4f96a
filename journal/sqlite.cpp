// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/sqlite.h"

namespace zoret::journal {

bool Connection::failed(int code)
{
    error_ = {code & 0xFF, handle_ ? sqlite3_errmsg(handle_) : sqlite3_errstr(code)};
    return false;
}

bool Connection::open(const std::string& path, bool readOnly)
{
    close();
    const int mode =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(path.c_str(), &handle_, mode, nullptr);
    if (code != SQLITE_OK) {
        failed(code);
        close();
        return false;
    }
    error_ = {};
    sqlite3_busy_timeout(handle_, lockWaitMilliseconds);
    return true;
}

void Connection::close()
{
    sqlite3_close_v2(handle_);
    handle_ = nullptr;
}

bool Connection::exec(const char* sql)
{
    Statement statement(*this, sql);
    return statement.run();
}

std::optional<std::int64_t> Connection::integer(const char* sql)
{
    Statement statement(*this, sql);
    return statement.step() ? std::optional(statement.integer(0)) : std::nullopt;
}

std::optional<std::string> Connection::text(const char* sql)
{
    Statement statement(*this, sql);
    return statement.step() ? std::optional(std::string(statement.text(0))) : std::nullopt;
}

Statement::Statement(Connection& connection, std::string_view sql) : connection_(connection)
{
    const int code = connection.handle_
                         ? sqlite3_prepare_v2(connection.handle_, sql.data(), int(sql.size()), &statement_, nullptr)
                         : SQLITE_MISUSE;
    if (code != SQLITE_OK)
        failed_ = !connection_.failed(code);
}

void Statement::bind(int index, std::int64_t value)
{
    if (!failed_ && sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
        failed_ = !connection_.failed(sqlite3_errcode(connection_.handle_));
}

void Statement::bind(int index, std::string_view value)
{
    // An empty text is bound as one, never as NULL.
    if (!failed_
        && sqlite3_bind_text(statement_, index, value.empty() ? "" : value.data(), int(value.size()), SQLITE_TRANSIENT)
               != SQLITE_OK)
        failed_ = !connection_.failed(sqlite3_errcode(connection_.handle_));
}

bool Statement::step()
{
    if (failed_)
        return false;
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        failed_ = !connection_.failed(code);
    return false;
}

bool Statement::run()
{
    while (step()) {}
    if (!failed_) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    return !failed_;
}

void Statement::rewind()
{
    if (!failed_)
        sqlite3_reset(statement_);
}

std::string_view Statement::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                : std::string_view();
}

Transaction::Transaction(Connection& connection, bool forChange) : connection_(connection)
{
    began_ = connection_.exec(forChange ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    // The error that ended the change has been reported by then.
    if (began_ && !committed_)
        connection_.exec("ROLLBACK");
}

bool Transaction::commit()
{
    committed_ = connection_.exec("COMMIT");
    return committed_;
}

} // namespace zoret::journal
