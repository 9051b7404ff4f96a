// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/journal_store.h"

#include "journal/messages.h"
#include "journal/schema.h"
#include "journal/sqlite.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zoret::journal {

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/journal.sqlite");
}

std::optional<std::string> refusal(const JournalBet& bet)
{
    const auto problem = betProblem(bet);
    return problem ? std::optional("Ставка не сохранена: " + *problem) : std::nullopt;
}

JournalStore::JournalStore() : connection_(std::make_unique<Connection>()) {}

JournalStore::~JournalStore() = default;

JournalState JournalStore::fail(JournalState state, std::string message)
{
    connection_->close();
    state_ = state;
    message_ = std::move(message);
    return state_;
}

bool JournalStore::connect(bool readOnly)
{
    if (connection_->open(path_.toStdString(), readOnly))
        return true;
    fail(JournalState::Unavailable,
         "Файл журнала " + path_.toStdString() + " не открывается: " + described(connection_->error()));
    return false;
}

JournalState JournalStore::open(const QString& path)
{
    path_ = path;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(JournalState::Unavailable, "Не удаётся создать папку журнала " + folder.toStdString());
    if (QFileInfo::exists(path_) || QFileInfo(path_).isSymLink()) {
        if (!QFileInfo(path_).isFile())
            return fail(JournalState::Unavailable, "Журнал " + path_.toStdString() + " не файл");
        // Looked at read-only first: a damaged file must stay as it is, and
        // a newer one is only read.
        if (!connect(true))
            return state_;
        const SchemaCheck found = inspect(*connection_);
        if (found.state == JournalState::ReadOnly) {
            state_ = found.state;
            message_ = found.message;
            return state_;
        }
        if (found.state != JournalState::Ready)
            return fail(found.state, found.message);
    }
    if (!connect(false))
        return state_;
    if (const SchemaCheck ready = bringUp(*connection_); ready.state != JournalState::Ready)
        return fail(ready.state, ready.message);
    state_ = JournalState::Ready;
    message_.clear();
    return state_;
}

bool JournalStore::canRead()
{
    if (state_ == JournalState::Ready || state_ == JournalState::ReadOnly)
        return true;
    if (state_ == JournalState::Closed)
        message_ = "Журнал не открыт";
    return false;
}

// A refusal says why even when another message came in between.
bool JournalStore::canWrite()
{
    if (state_ == JournalState::ReadOnly)
        message_ = newerVersionText;
    return state_ == JournalState::Ready || (canRead(), false);
}

} // namespace zoret::journal
