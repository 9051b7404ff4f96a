// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A damaged journal moved out of the way under a name of its own, never
// overwritten or deleted.
#include "journal/journal_store.h"

#include "journal/sqlite.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace zoret::journal {

namespace {

bool exists(const QString& path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); }

} // namespace

std::optional<QString> JournalStore::setDamagedAside()
{
    if (state_ != JournalState::Damaged)
        return failed<QString>("Журнал не повреждён: откладывать нечего");
    connection_->close();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString companions[] = {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};
    QString aside;
    for (int n = 1; aside.isEmpty(); ++n) {
        const QString name = path_ + ".damaged-" + stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        if (std::none_of(std::begin(companions), std::end(companions), [&](auto& c) { return exists(name + c); }))
            aside = name;
    }
    // QFile::rename never replaces an existing file.
    for (const auto& companion : companions)
        if (exists(path_ + companion) && !QFile::rename(path_ + companion, aside + companion))
            return failed<QString>("Повреждённый журнал не переименован в " + (aside + companion).toStdString());
    open(path_);
    return aside;
}

} // namespace zoret::journal
