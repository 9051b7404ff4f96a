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

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <set>

using namespace zoret;
using zoret::ui::JournalState, zoret::ui::JournalStore;

namespace {

// clang-format off
JournalBet sample(std::string note, std::string description = "П1")
{
    return {0, "2026-12-07 10:15:30", "Лига", std::move(note), {BetKind::Accumulator, 0}, "100,50", SumMode::PerLine,
            {{" 1.85", Outcome::Won, false, std::move(description)}, {" 2.1", Outcome::Open, true, ""}}};
}
// clang-format on

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

// Statements on a connection of the test's own.
void sql(const QString& path, std::initializer_list<const char*> statements)
{
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        for (const char* statement : statements)
            EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement;
    }
    QSqlDatabase::removeDatabase("raw");
}
QVariant valueOn(const JournalStore& store, const char* statement)
{
    QSqlQuery query(QSqlDatabase::database(store.connectionName()));
    return query.exec(statement) && query.next() ? query.value(0) : QVariant("failed");
}

// The ids of the stored bets, each of them whole.
std::set<std::int64_t> storedIds(JournalStore& store)
{
    std::set<std::int64_t> ids;
    for (const auto& bet : store.bets().value_or(std::vector<JournalBet>{}))
        if (bet.events.size() == 2)
            ids.insert(bet.id);
    return ids;
}

class Journal : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_DATA_HOME", home.path().toUtf8()); }
    QTemporaryDir home;
    const QString path = home.path() + "/Zoret/journal.sqlite";
    // A journal with these bets, closed again.
    void journalOf(const std::vector<JournalBet>& bets)
    {
        JournalStore store;
        ASSERT_EQ(store.open(), JournalState::Ready);
        ASSERT_TRUE(store.addMany(bets));
    }
};

TEST_F(Journal, FirstVersionIsBroughtUpWithItsBets)
{
    QDir().mkpath(home.path() + "/Zoret");
    // The schema as version 1 released it.
    // clang-format off
    sql(path, {"PRAGMA application_id = 1514820174",
        "CREATE TABLE bets (id INTEGER PRIMARY KEY, placed_at TEXT NOT NULL, bookmaker TEXT NOT NULL, note TEXT NOT NULL,"
        " kind TEXT NOT NULL, system_size INTEGER NOT NULL, sum_text TEXT NOT NULL, sum_mode TEXT NOT NULL)",
        "CREATE TABLE events (bet_id INTEGER NOT NULL REFERENCES bets (id) ON DELETE CASCADE, position INTEGER NOT NULL,"
        " coefficient TEXT NOT NULL, result TEXT NOT NULL, banker INTEGER NOT NULL, description TEXT NOT NULL,"
        " PRIMARY KEY (bet_id, position)) WITHOUT ROWID",
        "INSERT INTO bets VALUES (7, '2026-12-07 10:15:30', 'Лига', 'старая', 'accumulator', 0, '100,50', 'per-line')",
        "INSERT INTO events VALUES (7, 1, ' 2.1', 'open', 1, ''), (7, 0, ' 1.85', 'won', 0, 'П1')", "PRAGMA user_version = 1"});
    // clang-format on
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready) << store.message();
    auto expected = sample("старая");
    EXPECT_EQ(store.bets(), std::vector{(expected.id = 7, expected)});
    EXPECT_EQ(valueOn(store, "PRAGMA user_version").toInt(), 3);
    EXPECT_EQ(valueOn(store, "SELECT count(*) FROM sqlite_schema WHERE name = 'bets_newest_first'").toInt(), 1);
}

TEST_F(Journal, DamagedFileIsSetAsideNeverOverwritten)
{
    journalOf(std::vector(300, sample(std::string(500, 'x'))));
    const QByteArray journal = bytesOf(path);
    const QByteArray foreign = (sql(path, {"DROP TABLE events"}), bytesOf(path));
    const QByteArray cases[] = {"garbage bytes, never a database", journal.left(journal.size() / 2), foreign};
    // Names the next seconds could take are someone else's.
    QStringList decoys;
    for (int s = 0; s < 5; ++s)
        write(decoys.emplace_back(path + ".damaged-"
                                  + QDateTime::currentDateTime().addSecs(s).toString("yyyy-MM-dd-HHmmss")),
              "decoy");
    std::set<QString> asides;
    for (const auto& damaged : cases) {
        write(path, damaged);
        JournalStore store;
        EXPECT_EQ(store.open(), JournalState::Damaged) << store.message();
        EXPECT_FALSE(store.add(sample("нет")));
        EXPECT_EQ(bytesOf(path), damaged);
        const auto aside = store.setDamagedAside();
        ASSERT_TRUE(aside && aside->startsWith(path + ".damaged-"));
        EXPECT_EQ(bytesOf(*aside), damaged);
        asides.insert(*aside);
        EXPECT_EQ(store.add(sample("новая")), 1); // into a new journal
    }
    EXPECT_EQ(asides.size(), 3u);
    for (const auto& decoy : decoys)
        EXPECT_EQ(bytesOf(decoy), "decoy");
}

TEST_F(Journal, NewerFileUnavailableFolderAndFullDiskRefuseWrites)
{
    journalOf({sample("старая")});
    sql(path, {"PRAGMA user_version = 4"});
    const QByteArray before = bytesOf(path);
    {
        JournalStore store;
        ASSERT_EQ(store.open(), JournalState::ReadOnly);
        EXPECT_EQ(storedIds(store), std::set<std::int64_t>{1});
        EXPECT_FALSE(store.bet(99) || store.update(*store.bet(1)) || store.remove(std::vector<std::int64_t>{1})
                     || store.add(sample("новая")));
        // The refusal says why, whatever failed before it.
        EXPECT_NE(store.message().find("более новой"), std::string::npos) << store.message();
    }
    EXPECT_EQ(bytesOf(path), before);

    write(home.path() + "/file", "a file, not a folder");
    qputenv("XDG_DATA_HOME", (home.path() + "/file/below").toUtf8());
    JournalStore nowhere;
    EXPECT_TRUE(nowhere.open() == JournalState::Unavailable && !nowhere.bets() && !nowhere.message().empty());
    qputenv("XDG_DATA_HOME", (home.path() + "/other").toUtf8());
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready);
    ASSERT_EQ(store.add(sample("первая")), 1);
    valueOn(store, "PRAGMA max_page_count = 1");
    EXPECT_FALSE(store.add(sample(std::string(100'000, 'x'))));
    EXPECT_NE(store.message().find("нет места"), std::string::npos) << store.message();
    EXPECT_FALSE(store.addMany(std::vector{sample("a"), sample(std::string(100'000, 'x'))}));
    EXPECT_EQ(storedIds(store), std::set<std::int64_t>{1});
}

TEST_F(Journal, HostileTextsAndCsvComeBackVerbatim)
{
    std::string controls(0x20, 0);
    std::iota(controls.begin(), controls.end(), 0);
    auto hostile = sample(std::string(100'000, 'z') + "\r\n\"", controls + "\x7F;\"");
    hostile.bookmaker = "'); DROP TABLE bets; --";
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready);
    hostile.id = store.add(hostile).value_or(0);
    EXPECT_EQ(store.bet(hostile.id), hostile);
    EXPECT_EQ(store.bookmakers(), std::vector{hostile.bookmaker});

    hostile.events.pop_back(), hostile.bet = {BetKind::Single, 0};
    ASSERT_TRUE(store.update(hostile)) << store.message();
    EXPECT_EQ(store.bets(), std::vector{hostile});

    const QString csv = home.path() + "/bets.csv";
    ASSERT_TRUE(store.exportCsv(csv));
    ASSERT_TRUE(store.remove(std::vector<std::int64_t>{hostile.id, 12345}));
    EXPECT_EQ(valueOn(store, "SELECT count(*) FROM events").toInt(), 0);
    ASSERT_EQ(store.importCsv(csv), 1u) << store.message();
    auto back = store.bets()->front();
    EXPECT_EQ((back.id = hostile.id, back), hostile);

    write(csv, bytesOf(csv).left(bytesOf(csv).indexOf("\r\n") + 2)
                   + "2026-12-08 10:00:00;Лига;;single;0;100;per-line;1,5;won;0;\r\n"
                     "2026-13-01 10:00:00;Лига;;single;0;100;per-line;1,5;won;0;\r\n");
    EXPECT_FALSE(store.importCsv(csv));
    EXPECT_NE(store.message().find("Строка 3."), std::string::npos) << store.message();
    EXPECT_EQ(store.bets()->size(), 1u);
}

// This program with --write TAG COUNT: adds bets noted "TAG n", COUNT of
// them or until killed when negative, printing each id once committed.
int writeBets(const char* tag, const QByteArray& count)
{
    JournalStore store;
    const bool ready = store.open() == JournalState::Ready;
    for (long long n = 0, id = 0; ready && n != count.toLongLong(); ++n) {
        if (!(id = store.add(sample(tag + (" " + countText(n)))).value_or(0)))
            break;
        std::printf("%s\n", countText(id).c_str());
        std::fflush(stdout);
    }
    std::fputs(store.message().c_str(), stderr);
    return store.message().empty() ? 0 : 1;
}
// The ids writers started at once printed, each killed after `killAfter` ms
// or left to finish. A line cut by a kill names no commit.
std::set<std::int64_t> committedBy(std::initializer_list<const char*> tags, const char* count, int killAfter = 0)
{
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const char* tag : tags) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QCoreApplication::applicationFilePath(), {"--write", tag, count});
    }
    std::set<std::int64_t> ids;
    for (auto& writer : writers) {
        if (killAfter && !writer->waitForFinished(killAfter))
            writer->kill();
        EXPECT_TRUE(writer->waitForFinished(120'000));
        QByteArray out = writer->readAllStandardOutput();
        out.truncate(out.lastIndexOf('\n') + 1);
        for (const auto& line : out.split('\n'))
            if (!line.isEmpty())
                ids.insert(line.toLongLong());
    }
    return ids;
}

TEST_F(Journal, KilledWriterLosesNothingCommitted)
{
    std::mt19937 random(17);
    std::set<std::int64_t> committed;
    for (int round = 0; round < 6; ++round)
        committed.merge(committedBy({"убит"}, "-1", int(50 + random() % 400)));
    ASSERT_GT(committed.size(), 6u);
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready) << store.message();
    EXPECT_EQ(valueOn(store, "PRAGMA integrity_check").toString(), "ok");
    const auto stored = storedIds(store);
    EXPECT_TRUE(std::includes(stored.begin(), stored.end(), committed.begin(), committed.end()));
    EXPECT_EQ(stored.size(), store.bets()->size());
}

TEST_F(Journal, TwoWritersAtOnceKeepEveryBet)
{
    const auto printed = committedBy({"A", "B"}, "150");
    EXPECT_EQ(printed.size(), 300u);
    JournalStore store;
    ASSERT_EQ(store.open(), JournalState::Ready);
    EXPECT_EQ(storedIds(store), printed);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Zoret");
    if (argc == 4 && QByteArray(argv[1]) == "--write")
        return writeBets(argv[2], argv[3]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
