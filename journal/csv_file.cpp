// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal to and from a CSV file for spreadsheets.
#include "journal/journal_store.h"

#include "core/journal_csv.h"
#include "core/text_encoding.h"
#include "journal/import.h"
#include "journal/messages.h"

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

// What a file in another encoding is told, after "Файл" and its name.
constexpr const char* encodingText = " не в кодировке UTF-8 или Windows-1251: сохраните его из таблицы как CSV в UTF-8";

// Written whole in place of the file, or not at all.
std::optional<std::string> written(const QString& path, const std::string& text)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.data(), qint64(text.size())) == qint64(text.size())
        && file.commit())
        return std::nullopt;
    return "Файл " + path.toStdString() + " не записан: " + fileProblem(path, file, true);
}

struct FileText {
    std::string text; // UTF-8
    std::string error; // why not, for the user
};

// A file a spreadsheet saved, as UTF-8; `named` puts its name in the message.
FileText spreadsheetFile(const QString& path, bool named)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, "Файл " + path.toStdString() + " не открывается: " + fileProblem(path, file, false)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, "Файл " + path.toStdString() + " не читается: " + fileProblem(path, file, false)};
    auto text = spreadsheetText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!text)
        return {{}, "Файл" + (named ? " " + path.toStdString() : std::string()) + encodingText};
    return {std::move(*text), {}};
}

} // namespace

QString movementsPath(const QString& csvPath)
{
    const QFileInfo info(csvPath);
    const QString base = info.suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0
                             ? csvPath.left(csvPath.size() - info.suffix().size() - 1)
                             : csvPath;
    return base + QStringLiteral(".movements.csv");
}

std::optional<std::size_t> JournalStore::exportCsv(const QString& path,
                                                   std::optional<std::span<const std::int64_t>> ids)
{
    auto all = bets();
    auto movements = all ? this->movements() : std::nullopt;
    if (!movements)
        return std::nullopt;
    if (ids) {
        const std::unordered_set<std::int64_t> wanted(ids->begin(), ids->end());
        std::erase_if(*all, [&](const JournalBet& bet) { return !wanted.contains(bet.id); });
    }
    // Oldest first: imported again, they get their ids in the same order.
    std::reverse(all->begin(), all->end());
    std::reverse(movements->begin(), movements->end());
    if (auto problem = written(path, journalCsv(*all)))
        return failed<std::size_t>(std::move(*problem));
    if (auto problem = written(movementsPath(path), movementsCsv(*movements)))
        return failed<std::size_t>(std::move(*problem));
    return all->size();
}

std::optional<Imported> JournalStore::importCsv(const QString& path)
{
    if (!canWrite())
        return std::nullopt;
    const FileText bets = spreadsheetFile(path, false);
    if (!bets.error.empty())
        return failed<Imported>(bets.error);
    const auto reading = readJournalCsv(bets.text);
    if (!reading.error.empty())
        return failed<Imported>("Файл не загружен. " + reading.error);
    MovementsCsvReading movements;
    if (const QString beside = movementsPath(path); QFileInfo::exists(beside)) {
        const FileText file = spreadsheetFile(beside, true);
        if (!file.error.empty())
            return failed<Imported>(file.error);
        movements = readMovementsCsv(file.text);
        if (!movements.error.empty())
            return failed<Imported>("Файл " + beside.toStdString() + " не загружен. " + movements.error);
    }
    for (const auto& bet : reading.bets)
        if (auto refused = refusal(bet))
            return failed<Imported>(std::move(*refused));
    for (const auto& movement : movements.movements)
        if (auto refused = refusal(movement))
            return failed<Imported>(std::move(*refused));
    const auto failure = [&] { return failed<Imported>("Ставки не сохранены: " + described(connection_->error())); };
    Transaction transaction(*connection_, true);
    Imported imported;
    if (!transaction.began())
        return failure();
    if (auto problem = addNew(*connection_, reading.bets, movements.movements, imported))
        return failed<Imported>(std::move(*problem));
    return transaction.commit() ? std::optional(imported) : failure();
}

} // namespace zoret::journal
