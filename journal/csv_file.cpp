// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal to and from a CSV file for spreadsheets.
#include "journal/journal_store.h"

#include "core/journal_csv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <unordered_set>

namespace zoret::journal {

namespace {

// Why a file could not be read or written, in the user's words: Qt's own
// text is English.
std::string fileProblem(const QString& path, const QFileDevice& file, bool writing)
{
    const QFileInfo info(path);
    if (info.isDir())
        return "это папка";
    if (!writing && !info.exists())
        return "файла нет";
    if (writing && !info.dir().exists())
        return "папки " + QDir::toNativeSeparators(info.absolutePath()).toStdString() + " нет";
    if (file.error() == QFileDevice::ResourceError)
        return "на диске нет места";
    if (!writing && !info.isReadable())
        return "нет прав на чтение";
    if (writing && ((info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable()))
        return "нет прав на запись";
    return writing ? "ошибка записи" : "ошибка чтения";
}

} // namespace

std::optional<std::size_t> JournalStore::exportCsv(const QString& path,
                                                   std::optional<std::span<const std::int64_t>> ids)
{
    auto all = bets();
    if (!all)
        return std::nullopt;
    if (ids) {
        const std::unordered_set<std::int64_t> wanted(ids->begin(), ids->end());
        std::erase_if(*all, [&](const JournalBet& bet) { return !wanted.contains(bet.id); });
    }
    // Oldest first: imported again, the bets get their ids in the same order.
    std::reverse(all->begin(), all->end());
    const std::string csv = journalCsv(*all);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), qint64(csv.size())) != qint64(csv.size())
        || !file.commit())
        return failed<std::size_t>("Файл " + path.toStdString() + " не записан: " + fileProblem(path, file, true));
    return all->size();
}

std::optional<std::size_t> JournalStore::importCsv(const QString& path)
{
    if (!canWrite())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed<std::size_t>("Файл " + path.toStdString() + " не открывается: " + fileProblem(path, file, false));
    const QByteArray content = file.readAll();
    const auto reading = readJournalCsv(std::string_view(content.constData(), std::size_t(content.size())));
    if (!reading.error.empty())
        return failed<std::size_t>("Файл не загружен. " + reading.error);
    const auto ids = addMany(reading.bets);
    return ids ? std::optional(ids->size()) : std::nullopt;
}

} // namespace zoret::journal
