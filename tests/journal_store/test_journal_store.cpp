// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal against real SQLite files in a data folder of its own.
#include "ui/journal_store/journal_store.h"

#include "core/exact_decimal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace zoret;
using zoret::ui::JournalState, zoret::ui::JournalStore;

namespace {

JournalBet sample(std::string note, std::string description = "П1")
{
    return {0,
            "2026-12-07 10:15:30",
            "Лига",
            std::move(note),
            {BetKind::Accumulator, 0},
            "100,50",
            SumMode::PerLine,
            {{" 1.85", Outcome::Won, false, std::move(description)}, {" 2.1", Outcome::Open, true, ""}}};
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}
void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A first value of each statement, on a connection of the test's own.
QVariant sql(const QString& path, std::initializer_list<const char*> statements)
{
    QVariant last;
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        for (const char* statement : statements) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(statement)) << statement;
            last = query.next() ? query.value(0) : QVariant();
        }
    }
    QSqlDatabase::removeDatabase("raw");
    return last;
}
QVariant valueOn(const JournalStore& store, const char* statement)
{
    QSqlQuery query(QSqlDatabase::database(store.connectionName()));
    return query.exec(statement) && query.next() ? query.value(0) : QVariant("failed");
}

std::vector<std::string> notes(JournalStore& store)
{
    std::vector<std::string> found;
    for (const auto& bet : store.bets().value_or(std::vector<JournalBet>{}))
        found.push_back(bet.note);
    std::sort(found.begin(), found.end());
    return found;
}

class Journal : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_DATA_HOME", home.path().toUtf8()); }
    QTemporaryDir home;
    const QString path = home.path() + "/Zoret/journal.sqlite";
};

TEST_F(Journal, FirstVersionIsBroughtUpWithItsBets)
{
    QDir().mkpath(home.path() + "/Zoret");
    // The schema as version 1 released it.
    sql(path, {"PRAGMA application_id = 1514820174",
               "CREATE TABLE bets (id INTEGER PRIMARY KEY, placed_at TEXT NOT NULL, bookmaker TEXT NOT NULL, note TEXT "
               "NOT NULL, kind TEXT NOT NULL, system_size INTEGER NOT NULL, sum_text TEXT NOT NULL, sum_mode TEXT NOT "
               "NULL)",
               "CREATE TABLE events (bet_id INTEGER NOT NULL REFERENCES bets (id) ON DELETE CASCADE, position INTEGER "
               "NOT NULL, coefficient TEXT NOT NULL, result TEXT NOT NULL, banker INTEGER NOT NULL, description TEXT "
               "NOT NULL, PRIMARY KEY (bet_id, position)) WITHOUT ROWID",
               "INSERT INTO bets VALUES (7, '2026-12-07 10:15:30', 'Лига', 'старая', 'accumulator', 0, '100,50', "
               "'per-line')",
               "INSERT INTO events VALUES (7, 1, ' 2.1', 'open', 1, ''), (7, 0, ' 1.85', 'won', 0, 'П1')",
               "PRAGMA user_version = 1"});
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready) << store.message();
    auto expected = sample("старая");
    expected.id = 7;
    EXPECT_EQ(store.bets(), std::vector{expected});
    EXPECT_EQ(valueOn(store, "PRAGMA user_version").toInt(), 2);
    EXPECT_EQ(valueOn(store, "SELECT count(*) FROM sqlite_schema WHERE name = 'bets_newest_first'").toInt(), 1);
    EXPECT_EQ(store.add(sample("новая")), 8);
}

TEST_F(Journal, DamagedFileIsSetAsideNeverOverwritten)
{
    QByteArray journal;
    {
        JournalStore store;
        ASSERT_EQ(store.open(), JournalState::Ready);
        store.addMany(std::vector(300, sample(std::string(500, 'x'))));
    }
    journal = bytesOf(path);
    const QByteArray foreign = (sql(path, {"DROP TABLE events"}), bytesOf(path));
    const QByteArray cases[] = {"garbage bytes, never a database", journal.left(journal.size() / 2), foreign};
    std::set<QString> asides, decoys;
    for (const auto& damaged : cases) {
        write(path, damaged);
        // Names the next seconds could take are someone else's.
        const auto now = QDateTime::currentDateTime();
        for (int s = 0; s < 3; ++s) {
            const QString decoy = path + ".damaged-" + now.addSecs(s).toString("yyyy-MM-dd-HHmmss");
            write(decoy, "decoy");
            decoys.insert(decoy);
        }
        JournalStore store;
        EXPECT_EQ(store.open(), JournalState::Damaged) << store.message();
        EXPECT_FALSE(store.message().empty());
        EXPECT_FALSE(store.add(sample("нет")));
        EXPECT_EQ(bytesOf(path), damaged);
        const auto aside = store.setDamagedAside();
        ASSERT_TRUE(aside);
        EXPECT_TRUE(aside->startsWith(path + ".damaged-"));
        EXPECT_EQ(bytesOf(*aside), damaged);
        asides.insert(*aside);
        EXPECT_EQ(store.state(), JournalState::Ready);
        EXPECT_EQ(store.bets(), std::vector<JournalBet>{});
        EXPECT_TRUE(store.add(sample("новая")));
    }
    EXPECT_EQ(asides.size(), 3u);
    for (const auto& decoy : decoys)
        EXPECT_EQ(bytesOf(decoy), "decoy");
}

TEST_F(Journal, NewerFileIsOnlyRead)
{
    {
        JournalStore store;
        ASSERT_EQ(store.open(), JournalState::Ready);
        store.add(sample("старая"));
    }
    sql(path, {"PRAGMA user_version = 3"});
    const QByteArray before = bytesOf(path);
    const QString csv = home.path() + "/bets.csv";
    {
        JournalStore store;
        ASSERT_EQ(store.open(), JournalState::ReadOnly);
        EXPECT_EQ(notes(store), std::vector<std::string>{"старая"});
        EXPECT_FALSE(store.bet(99));
        EXPECT_FALSE(store.add(sample("новая")));
        // The refusal says why, whatever failed before it.
        EXPECT_NE(store.message().find("более новой"), std::string::npos) << store.message();
        const auto stored = store.bets()->front();
        EXPECT_FALSE(store.update(stored));
        EXPECT_FALSE(store.remove(std::vector{stored.id}));
        EXPECT_TRUE(store.exportCsv(csv));
        EXPECT_FALSE(store.importCsv(csv));
    }
    EXPECT_EQ(bytesOf(path), before);
}

TEST_F(Journal, UnavailableFolderAndFullDiskAreMessages)
{
    write(home.path() + "/file", "a file, not a folder");
    qputenv("XDG_DATA_HOME", (home.path() + "/file/below").toUtf8());
    JournalStore nowhere;
    EXPECT_EQ(nowhere.open(), JournalState::Unavailable);
    EXPECT_FALSE(nowhere.message().empty());
    EXPECT_FALSE(nowhere.bets());
    SetUp();
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready);
    ASSERT_TRUE(store.add(sample("первая")));
    valueOn(store, "PRAGMA max_page_count = 1");
    EXPECT_FALSE(store.add(sample(std::string(100'000, 'x'))));
    EXPECT_NE(store.message().find("нет места"), std::string::npos) << store.message();
    EXPECT_FALSE(store.addMany(std::vector{sample("a"), sample(std::string(100'000, 'x'))}));
    EXPECT_EQ(notes(store), std::vector<std::string>{"первая"});
    EXPECT_EQ(valueOn(store, "SELECT count(*) FROM events").toInt(), 2);
}

TEST_F(Journal, HostileTextsAndCsvComeBackVerbatim)
{
    std::string controls;
    for (char c = 0; c < 0x20; ++c)
        controls += c;
    auto hostile = sample(std::string(100'000, 'z') + "\r\n\"", controls + "\x7F;\"");
    hostile.bookmaker = "'); DROP TABLE bets; --";
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready);
    hostile.id = store.add(hostile).value_or(0);
    EXPECT_EQ(store.bet(hostile.id), hostile);
    EXPECT_EQ(store.bookmakers(), std::vector{hostile.bookmaker});

    hostile.events.pop_back();
    hostile.bet = {BetKind::Single, 0};
    ASSERT_TRUE(store.update(hostile)) << store.message();
    EXPECT_EQ(store.bets(), std::vector{hostile});

    const QString csv = home.path() + "/bets.csv";
    ASSERT_TRUE(store.exportCsv(csv));
    ASSERT_TRUE(store.remove(std::vector<std::int64_t>{hostile.id, 12345}));
    EXPECT_EQ(valueOn(store, "SELECT count(*) FROM events").toInt(), 0);
    ASSERT_EQ(store.importCsv(csv), 1u) << store.message();
    auto back = store.bets()->front();
    EXPECT_EQ((back.id = hostile.id, back), hostile);

    const QByteArray header = bytesOf(csv).left(bytesOf(csv).indexOf("\r\n") + 2);
    write(csv, header
                   + "2026-12-08 10:00:00;Лига;;single;0;100;per-line;1,5;won;0;\r\n"
                     "2026-13-01 10:00:00;Лига;;single;0;100;per-line;1,5;won;0;\r\n");
    EXPECT_FALSE(store.importCsv(csv));
    EXPECT_NE(store.message().find("Строка 3."), std::string::npos) << store.message();
    EXPECT_EQ(store.bets()->size(), 1u);
}

// Writers of their own, each printing the ids it has committed.
QProcess* writer(QObject* parent, const char* tag, const char* count = nullptr)
{
    auto* process = new QProcess(parent);
    process->start(ZORET_JOURNAL_WRITER, count ? QStringList{tag, count} : QStringList{tag});
    EXPECT_TRUE(process->waitForStarted());
    return process;
}
// A line cut by a kill names no commit.
void addIdsPrinted(QProcess* process, std::vector<std::int64_t>& ids)
{
    QByteArray out = process->readAllStandardOutput();
    out.truncate(out.lastIndexOf('\n') + 1);
    for (const auto& line : out.split('\n'))
        if (!line.isEmpty())
            ids.push_back(line.toLongLong());
}

TEST_F(Journal, KilledWriterLosesNothingCommitted)
{
    QObject parent;
    std::mt19937 random(17);
    std::vector<std::int64_t> committed;
    for (int round = 0; round < 6; ++round) {
        auto* process = writer(&parent, "убит");
        process->waitForFinished(int(50 + random() % 400));
        process->kill(); // SIGKILL
        process->waitForFinished();
        addIdsPrinted(process, committed);
    }
    ASSERT_GT(committed.size(), 6u);
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready) << store.message();
    EXPECT_EQ(valueOn(store, "PRAGMA integrity_check").toString(), "ok");
    const auto bets = store.bets();
    ASSERT_TRUE(bets) << store.message();
    std::set<std::int64_t> stored;
    for (const auto& bet : *bets) {
        EXPECT_EQ(bet.events.size(), 2u);
        stored.insert(bet.id);
    }
    for (const auto id : committed)
        EXPECT_TRUE(stored.count(id)) << id;
}

TEST_F(Journal, TwoWritersAtOnceKeepEveryBet)
{
    QObject parent;
    QProcess* writers[] = {writer(&parent, "A", "150"), writer(&parent, "B", "150")};
    std::vector<std::int64_t> ids;
    for (auto* process : writers) {
        ASSERT_TRUE(process->waitForFinished(120'000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        addIdsPrinted(process, ids);
    }
    std::set<std::int64_t> printed(ids.begin(), ids.end());
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready);
    const auto bets = store.bets().value_or(std::vector<JournalBet>{});
    ASSERT_EQ(bets.size(), 300u);
    std::set<std::string> names;
    for (const auto& bet : bets)
        names.insert(bet.note), printed.erase(bet.id);
    EXPECT_EQ(names.size(), 300u);
    EXPECT_TRUE(printed.empty());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Zoret");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
