// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/journal_store/journal_store.h"

#include "core/exact_decimal.h"
#include "core/journal_csv.h"
#include "ui/journal_store/summary_query.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <unordered_map>

namespace zoret::ui {

namespace {

constexpr int currentVersion = 3;
constexpr int journalApplicationId = 0x5A4A524E; // "ZJRN" in the file's header

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
constexpr const char* version2[] = {
    "CREATE INDEX bets_newest_first ON bets (placed_at DESC, id DESC)",
    "CREATE INDEX bets_by_bookmaker ON bets (bookmaker)",
};
// Each bet's settlement kept beside it (settledRecord), written with the bet
// and filled in for the bets of an older journal as it is brought up.
constexpr const char* version3[] = {
    "ALTER TABLE bets ADD COLUMN settled TEXT",
};
constexpr std::span<const char* const> migrationSteps[] = {version1, version2, version3};
static_assert(std::size(migrationSteps) == currentVersion);

const QString selectBets =
    QStringLiteral("SELECT id, placed_at, bookmaker, note, kind, system_size, sum_text, sum_mode FROM bets");
const QString selectEvents = QStringLiteral("SELECT bet_id, coefficient, result, banker, description FROM events");
const QString insertBet = QStringLiteral("INSERT INTO bets (placed_at, bookmaker, note, kind, system_size, sum_text, "
                                         "sum_mode, settled) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
const QString insertEvent = QStringLiteral(
    "INSERT INTO events (bet_id, position, coefficient, result, banker, description) VALUES (?, ?, ?, ?, ?, ?)");

constexpr const char* newerVersionText = "Журнал записан более новой версией Zoret: его можно только просматривать";

constexpr int busyMilliseconds = 5000; // as long as the messages say
constexpr const char* busyTimeout = "QSQLITE_BUSY_TIMEOUT=5000";

// SQLite's primary result codes the messages tell apart.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnlyFile = 8, Corrupt = 11, Full = 13, NotADatabase = 26 };

int sqliteCode(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xFF : -1;
}

bool isDamage(const QSqlError& error) { return sqliteCode(error) == Corrupt || sqliteCode(error) == NotADatabase; }

std::string described(int code, const std::string& text)
{
    switch (code) {
    case Full:
        return "на диске нет места";
    case ReadOnlyFile:
        return "файл журнала доступен только для чтения";
    case Busy:
    case Locked:
        return "журнал занят другой программой дольше 5 секунд";
    case Corrupt:
    case NotADatabase:
        return "файл журнала повреждён";
    default:
        return "ошибка SQLite: " + text;
    }
}

std::string described(const QSqlError& error) { return described(sqliteCode(error), error.text().toStdString()); }

QString qText(const std::string& text) { return QString::fromStdString(text); }
std::string text(const QSqlQuery& query, int column) { return query.value(column).toString().toStdString(); }

// BEGIN IMMEDIATE for a change, so that a second writer waits at the start
// instead of failing at the commit; a plain BEGIN keeps a reading of two
// queries consistent. Rolled back unless committed.
class Transaction {
public:
    Transaction(const QSqlDatabase& db, bool forChange) : db_(db)
    {
        QSqlQuery query(db_);
        began_ = query.exec(forChange ? "BEGIN IMMEDIATE" : "BEGIN");
        error_ = query.lastError();
    }
    ~Transaction()
    {
        if (began_ && !committed_)
            QSqlQuery(db_).exec("ROLLBACK");
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool began() const { return began_; }
    bool commit()
    {
        QSqlQuery query(db_);
        committed_ = query.exec("COMMIT");
        error_ = query.lastError();
        return committed_;
    }
    const QSqlError& error() const { return error_; }

private:
    QSqlDatabase db_;
    bool began_ = false;
    bool committed_ = false;
    QSqlError error_;
};

// A query run once; its first value, or nothing with the error.
std::optional<QVariant> valueOf(const QSqlDatabase& db, const QString& sql, QSqlError& error)
{
    QSqlQuery query(db);
    if (query.exec(sql) && query.next())
        return query.value(0);
    error = query.lastError();
    return std::nullopt;
}

// Turning a new file to write-ahead logging needs it alone, and SQLite
// does not wait for that: another process opening the same new file at the
// moment finds it busy at once. Tried again for as long as any other wait.
std::optional<QVariant> writeAheadMode(const QSqlDatabase& db, QSqlError& error)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        auto mode = valueOf(db, "PRAGMA journal_mode = WAL", error);
        const bool busy = !mode && (sqliteCode(error) == Busy || sqliteCode(error) == Locked);
        if (!busy || waited.hasExpired(busyMilliseconds))
            return mode;
        QThread::msleep(5);
    }
}

// Prepared once for many bets.
struct Inserts {
    explicit Inserts(const QSqlDatabase& db) : bet(db), event(db) {}
    bool prepare() { return bet.prepare(insertBet) && event.prepare(insertEvent); }
    QSqlError error() const { return bet.lastError().isValid() ? bet.lastError() : event.lastError(); }
    QSqlQuery bet;
    QSqlQuery event;
};

bool insertEvents(QSqlQuery& query, std::int64_t id, const JournalBet& bet)
{
    for (std::size_t i = 0; i < bet.events.size(); ++i) {
        const auto& event = bet.events[i];
        query.bindValue(0, qint64{id});
        query.bindValue(1, qint64(i));
        query.bindValue(2, qText(event.coefficientText));
        query.bindValue(3, qText(std::string(outcomeCode(event.outcome))));
        query.bindValue(4, event.banker ? 1 : 0);
        query.bindValue(5, qText(event.description));
        if (!query.exec())
            return false;
    }
    return true;
}

void bindBet(QSqlQuery& query, const JournalBet& bet)
{
    query.bindValue(0, qText(bet.placedAt));
    query.bindValue(1, qText(bet.bookmaker));
    query.bindValue(2, qText(bet.note));
    query.bindValue(3, qText(std::string(kindCode(bet.bet.kind))));
    query.bindValue(4, bet.bet.size);
    query.bindValue(5, qText(bet.sumText));
    query.bindValue(6, qText(std::string(sumModeCode(bet.sumMode))));
    query.bindValue(7, qText(settledRecord(summaryOf(bet), betFigures(bet))));
}

std::optional<std::int64_t> insertBetWithEvents(Inserts& inserts, const JournalBet& bet)
{
    bindBet(inserts.bet, bet);
    if (!inserts.bet.exec())
        return std::nullopt;
    const std::int64_t id = inserts.bet.lastInsertId().toLongLong();
    return insertEvents(inserts.event, id, bet) ? std::optional(id) : std::nullopt;
}

// A stored bet without its events; false for a code this version does not
// know.
bool readBetRow(const QSqlQuery& query, JournalBet& bet)
{
    bet.id = query.value(0).toLongLong();
    bet.placedAt = text(query, 1);
    bet.bookmaker = text(query, 2);
    bet.note = text(query, 3);
    const auto kind = kindOfCode(text(query, 4));
    bet.bet = {kind.value_or(BetKind::Single), query.value(5).toInt()};
    bet.sumText = text(query, 6);
    const auto mode = sumModeOfCode(text(query, 7));
    bet.sumMode = mode.value_or(SumMode::PerLine);
    return kind && mode;
}

bool readEventRow(const QSqlQuery& query, JournalEvent& event)
{
    const auto outcome = outcomeOfCode(text(query, 2));
    event = {text(query, 1), outcome.value_or(Outcome::Open), query.value(3).toInt() != 0, text(query, 4)};
    return outcome.has_value();
}

std::string unreadable(std::int64_t id)
{
    return "Ставка " + countText(id) + " записана так, что эта версия Zoret её не читает";
}

std::string refusal(const JournalBet& bet)
{
    const auto problem = betProblem(bet);
    return problem ? "Ставка не сохранена: " + *problem : std::string();
}

// Version 3 keeps each bet's settlement beside it: an older journal's bets
// are settled once as it is brought up. A bet this version cannot read
// keeps none, and is refused whenever it is read.
bool settleStoredBets(const QSqlDatabase& db, QSqlError& error)
{
    QSqlQuery betRows(db), eventRows(db), settled(db);
    betRows.setForwardOnly(true);
    eventRows.setForwardOnly(true);
    if (!betRows.exec(selectBets + " ORDER BY id") || !eventRows.exec(selectEvents + " ORDER BY bet_id, position")
        || !settled.prepare(QStringLiteral("UPDATE bets SET settled = ? WHERE id = ?"))) {
        error = betRows.lastError().isValid() ? betRows.lastError() : eventRows.lastError();
        error = error.isValid() ? error : settled.lastError();
        return false;
    }
    bool moreEvents = eventRows.next();
    while (betRows.next()) {
        JournalBet bet;
        bool known = readBetRow(betRows, bet);
        for (; moreEvents && eventRows.value(0).toLongLong() <= bet.id; moreEvents = eventRows.next()) {
            JournalEvent event;
            known = readEventRow(eventRows, event) && eventRows.value(0).toLongLong() == bet.id && known;
            bet.events.push_back(std::move(event));
        }
        if (!known || betProblem(bet))
            continue;
        settled.bindValue(0, qText(settledRecord(summaryOf(bet), betFigures(bet))));
        settled.bindValue(1, qint64{bet.id});
        if (!settled.exec())
            return error = settled.lastError(), false;
    }
    return true;
}

bool exists(const QString& path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); }

} // namespace

JournalStore::JournalStore()
{
    static std::atomic<int> stores;
    connection_ = QStringLiteral("zoret-journal-%1").arg(++stores);
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
}

JournalStore::~JournalStore()
{
    database().close();
    QSqlDatabase::removeDatabase(connection_);
}

QString JournalStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/journal.sqlite");
}

QSqlDatabase JournalStore::database() const { return QSqlDatabase::database(connection_, false); }

JournalState JournalStore::fail(JournalState state, std::string message)
{
    database().close();
    state_ = state;
    message_ = std::move(message);
    return state_;
}

bool JournalStore::connect(bool readOnly)
{
    QSqlDatabase db = database();
    db.close();
    db.setDatabaseName(path_);
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;") + busyTimeout : QString(busyTimeout));
    if (db.open())
        return true;
    fail(JournalState::Unavailable,
         "Файл журнала " + path_.toStdString() + " не открывается: " + db.lastError().text().toStdString());
    return false;
}

JournalState JournalStore::open()
{
    path_ = defaultPath();
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(JournalState::Unavailable, "Не удаётся создать папку журнала " + folder.toStdString());
    if (exists(path_)) {
        if (!QFileInfo(path_).isFile())
            return fail(JournalState::Unavailable, "Журнал " + path_.toStdString() + " не файл");
        // Looked at read-only first: a damaged file must stay as it is, and
        // a newer one is only read.
        if (!connect(true))
            return state_;
        if (const JournalState found = inspect(); found != JournalState::Ready)
            return found;
    }
    if (!connect(false))
        return state_;
    return prepareForWriting();
}

JournalState JournalStore::inspect()
{
    const QSqlDatabase db = database();
    QSqlError error;
    const auto unusable = [&](std::string what) {
        return isDamage(error) ? fail(JournalState::Damaged, "Журнал повреждён: " + described(error))
                               : fail(JournalState::Unavailable, what + ": " + described(error));
    };
    // One reading throughout: another process may be making this new file
    // a journal meanwhile, and a version read before its change with the
    // tables read after would look like a file that is not a journal.
    Transaction reading(db, false);
    if (!reading.began())
        return error = reading.error(), unusable("Журнал не читается");
    const auto version = valueOf(db, "PRAGMA user_version", error);
    const auto id = version ? valueOf(db, "PRAGMA application_id", error) : std::nullopt;
    if (!version || !id)
        return unusable("Журнал не читается");
    if (version->toInt() == 0) {
        const auto objects = valueOf(db, "SELECT count(*) FROM sqlite_schema", error);
        if (!objects)
            return unusable("Журнал не читается");
        return objects->toInt() == 0 ? JournalState::Ready
                                     : fail(JournalState::Damaged, "Этот файл не журнал ставок Zoret");
    }
    QSqlQuery bets(db), events(db), settled(db);
    if (id->toInt() != journalApplicationId || !bets.exec(selectBets + " LIMIT 0")
        || !events.exec(selectEvents + " LIMIT 0")
        || (version->toInt() >= 3 && !settled.exec("SELECT settled FROM bets LIMIT 0")))
        return fail(JournalState::Damaged, "Этот файл не журнал ставок Zoret");
    // Counting a table's rows walks every page of its tree, which finds a
    // file cut short or pages overwritten at a small part of the cost of an
    // integrity check; damage inside a page is found when it is read.
    for (const char* count : {"SELECT count(*) FROM bets NOT INDEXED", "SELECT count(*) FROM events"})
        if (!valueOf(db, count, error))
            return unusable("Журнал не читается");
    if (version->toInt() > currentVersion) {
        state_ = JournalState::ReadOnly;
        message_ = newerVersionText;
        return state_;
    }
    return JournalState::Ready;
}

// The connection's settings, then every missing step at once: another
// process opening the same new file waits for the first and finds it done.
JournalState JournalStore::prepareForWriting()
{
    const QSqlDatabase db = database();
    QSqlError error;
    QSqlQuery keys(db);
    if (!keys.exec("PRAGMA foreign_keys = ON"))
        return fail(JournalState::Unavailable, "Журнал не открывается: " + described(keys.lastError()));
    const auto mode = writeAheadMode(db, error);
    if (!mode || mode->toString() != QStringLiteral("wal"))
        return fail(JournalState::Unavailable, "Журнал не открывается: " + described(error));
    Transaction transaction(db, true);
    const auto version = transaction.began() ? valueOf(db, "PRAGMA user_version", error) : std::nullopt;
    if (!version)
        return fail(JournalState::Unavailable,
                    "Журнал не открывается: " + described(transaction.began() ? error : transaction.error()));
    const int found = version->toInt();
    for (int step = found; step < currentVersion; ++step) {
        QSqlQuery query(db);
        for (const char* sql : migrationSteps[step])
            if (!query.exec(sql))
                return fail(JournalState::Unavailable, "Журнал не обновляется: " + described(query.lastError()));
        // The version is our own number, not a text from outside.
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1)))
            return fail(JournalState::Unavailable, "Журнал не обновляется: " + described(query.lastError()));
    }
    if (found > 0 && found < 3 && !settleStoredBets(db, error))
        return fail(JournalState::Unavailable, "Журнал не обновляется: " + described(error));
    if (!transaction.commit())
        return fail(JournalState::Unavailable, "Журнал не обновляется: " + described(transaction.error()));
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

std::optional<std::vector<JournalBet>> JournalStore::bets()
{
    if (!canRead())
        return std::nullopt;
    const QSqlDatabase db = database();
    Transaction reading(db, false);
    QSqlQuery betRows(db), eventRows(db);
    betRows.setForwardOnly(true);
    eventRows.setForwardOnly(true);
    if (!reading.began() || !betRows.exec(selectBets + " ORDER BY placed_at DESC, id DESC")) {
        message_ = "Журнал не читается: " + described(reading.began() ? betRows.lastError() : reading.error());
        return std::nullopt;
    }
    std::vector<JournalBet> bets;
    std::unordered_map<std::int64_t, std::size_t> positions;
    while (betRows.next()) {
        JournalBet bet;
        if (!readBetRow(betRows, bet))
            return message_ = unreadable(bet.id), std::nullopt;
        positions.emplace(bet.id, bets.size());
        bets.push_back(std::move(bet));
    }
    if (!eventRows.exec(selectEvents + " ORDER BY bet_id, position")) {
        message_ = "Журнал не читается: " + described(eventRows.lastError());
        return std::nullopt;
    }
    JournalEvent event;
    while (eventRows.next()) {
        const auto at = positions.find(eventRows.value(0).toLongLong());
        if (!readEventRow(eventRows, event) || at == positions.end())
            return message_ = unreadable(eventRows.value(0).toLongLong()), std::nullopt;
        bets[at->second].events.push_back(std::move(event));
    }
    for (const auto& bet : bets)
        if (betProblem(bet))
            return message_ = unreadable(bet.id), std::nullopt;
    return bets;
}

std::optional<JournalSummaries> JournalStore::summaries(std::optional<int> newest)
{
    if (!canRead())
        return std::nullopt;
    const QSqlDatabase db = database();
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        message_ = "Журнал не читается: соединение не с SQLite";
        return std::nullopt;
    }
    SummaryRows rows;
    {
        Transaction reading(db, false);
        if (!reading.began()) {
            message_ = "Журнал не читается: " + described(reading.error());
            return std::nullopt;
        }
        rows = readSummaries(*static_cast<sqlite3* const*>(handle.constData()), newest);
    }
    if (rows.unreadable)
        return message_ = unreadable(*rows.unreadable), std::nullopt;
    if (rows.failure == Corrupt || rows.failure == NotADatabase)
        return fail(JournalState::Damaged, "Журнал повреждён: " + described(rows.failure, rows.failureText)),
               std::nullopt;
    if (rows.failure != 0)
        return message_ = "Журнал не читается: " + described(rows.failure, rows.failureText), std::nullopt;
    return std::move(rows.summaries);
}

std::optional<JournalBet> JournalStore::bet(std::int64_t id)
{
    if (!canRead())
        return std::nullopt;
    const QSqlDatabase db = database();
    Transaction reading(db, false);
    QSqlQuery betRow(db), eventRows(db);
    betRow.prepare(selectBets + " WHERE id = ?");
    betRow.bindValue(0, qint64{id});
    eventRows.prepare(selectEvents + " WHERE bet_id = ? ORDER BY position");
    eventRows.bindValue(0, qint64{id});
    if (!betRow.exec() || !eventRows.exec()) {
        message_ = "Журнал не читается: "
                   + described(betRow.lastError().isValid() ? betRow.lastError() : eventRows.lastError());
        return std::nullopt;
    }
    JournalBet bet;
    if (!betRow.next())
        return message_ = "Ставки " + countText(id) + " в журнале нет", std::nullopt;
    bool known = readBetRow(betRow, bet);
    for (JournalEvent event; known && eventRows.next(); bet.events.push_back(std::move(event)))
        known = readEventRow(eventRows, event);
    if (!known || betProblem(bet))
        return message_ = unreadable(id), std::nullopt;
    return bet;
}

std::optional<std::vector<std::string>> JournalStore::bookmakers()
{
    if (!canRead())
        return std::nullopt;
    QSqlQuery query(database());
    if (!query.exec("SELECT DISTINCT bookmaker FROM bets WHERE bookmaker <> '' ORDER BY bookmaker")) {
        message_ = "Журнал не читается: " + described(query.lastError());
        return std::nullopt;
    }
    std::vector<std::string> names;
    while (query.next())
        names.push_back(text(query, 0));
    return names;
}

std::optional<std::int64_t> JournalStore::add(const JournalBet& bet)
{
    const auto ids = addMany(std::span(&bet, 1));
    return ids ? std::optional(ids->front()) : std::nullopt;
}

std::optional<std::vector<std::int64_t>> JournalStore::addMany(std::span<const JournalBet> bets)
{
    if (!canWrite())
        return std::nullopt;
    for (const auto& bet : bets)
        if (const auto refused = refusal(bet); !refused.empty())
            return message_ = refused, std::nullopt;
    const QSqlDatabase db = database();
    Transaction transaction(db, true);
    Inserts inserts(db);
    std::vector<std::int64_t> ids;
    ids.reserve(bets.size());
    const auto failure = [&](const QSqlError& error) {
        message_ = (bets.size() == 1 ? "Ставка не сохранена: " : "Ставки не сохранены: ") + described(error);
        return std::nullopt;
    };
    if (!transaction.began())
        return failure(transaction.error());
    if (!inserts.prepare())
        return failure(inserts.error());
    for (const auto& bet : bets) {
        const auto id = insertBetWithEvents(inserts, bet);
        if (!id)
            return failure(inserts.error());
        ids.push_back(*id);
    }
    if (!transaction.commit())
        return failure(transaction.error());
    return ids;
}

bool JournalStore::update(const JournalBet& bet)
{
    if (!canWrite())
        return false;
    if (const auto refused = refusal(bet); !refused.empty())
        return message_ = refused, false;
    const QSqlDatabase db = database();
    Transaction transaction(db, true);
    QSqlQuery change(db), clear(db), events(db);
    const auto failure = [&](const QSqlError& error) {
        message_ = "Ставка не сохранена: " + described(error);
        return false;
    };
    if (!transaction.began())
        return failure(transaction.error());
    change.prepare(QStringLiteral("UPDATE bets SET placed_at = ?, bookmaker = ?, note = ?, kind = ?, system_size = ?,"
                                  " sum_text = ?, sum_mode = ?, settled = ? WHERE id = ?"));
    bindBet(change, bet);
    change.bindValue(8, qint64{bet.id});
    if (!change.exec())
        return failure(change.lastError());
    if (change.numRowsAffected() != 1)
        return message_ = "Ставки " + countText(bet.id) + " в журнале нет", false;
    clear.prepare(QStringLiteral("DELETE FROM events WHERE bet_id = ?"));
    clear.bindValue(0, qint64{bet.id});
    if (!clear.exec())
        return failure(clear.lastError());
    if (!events.prepare(insertEvent) || !insertEvents(events, bet.id, bet))
        return failure(events.lastError());
    return transaction.commit() || failure(transaction.error());
}

bool JournalStore::remove(std::span<const std::int64_t> ids)
{
    if (!canWrite())
        return false;
    const QSqlDatabase db = database();
    Transaction transaction(db, true);
    QSqlQuery query(db);
    const auto failure = [&](const QSqlError& error) {
        message_ = "Ставки не удалены: " + described(error);
        return false;
    };
    if (!transaction.began())
        return failure(transaction.error());
    if (!query.prepare(QStringLiteral("DELETE FROM bets WHERE id = ?")))
        return failure(query.lastError());
    for (const auto id : ids) {
        query.bindValue(0, qint64{id});
        if (!query.exec())
            return failure(query.lastError());
    }
    return transaction.commit() || failure(transaction.error());
}

std::optional<QString> JournalStore::setDamagedAside()
{
    if (state_ != JournalState::Damaged) {
        message_ = "Журнал не повреждён: откладывать нечего";
        return std::nullopt;
    }
    database().close();
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
        if (exists(path_ + companion) && !QFile::rename(path_ + companion, aside + companion)) {
            message_ = "Повреждённый журнал не переименован в " + (aside + companion).toStdString();
            return std::nullopt;
        }
    open();
    return aside;
}

std::optional<std::size_t> JournalStore::exportCsv(const QString& path)
{
    auto all = bets();
    if (!all)
        return std::nullopt;
    // Oldest first: imported again, the bets get their ids in the same order.
    std::reverse(all->begin(), all->end());
    const std::string csv = journalCsv(*all);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), qint64(csv.size())) != qint64(csv.size())
        || !file.commit()) {
        message_ = "Файл " + path.toStdString() + " не записан: " + file.errorString().toStdString();
        return std::nullopt;
    }
    return all->size();
}

std::optional<std::size_t> JournalStore::importCsv(const QString& path)
{
    if (!canWrite())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message_ = "Файл " + path.toStdString() + " не открывается: " + file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    const auto reading = readJournalCsv(std::string_view(content.constData(), std::size_t(content.size())));
    if (!reading.error.empty()) {
        message_ = "Файл не загружен. " + reading.error;
        return std::nullopt;
    }
    const auto ids = addMany(reading.bets);
    return ids ? std::optional(ids->size()) : std::nullopt;
}

} // namespace zoret::ui
