// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal against real SQLite files in a temporary folder of its own.
#include "journal/journal_store.h"

#include "core/exact_decimal.h"
#include "core/journal_csv.h"
#include "journal/sqlite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <set>

using namespace zoret;
using zoret::journal::Connection, zoret::journal::JournalState, zoret::journal::JournalStore,
    zoret::journal::movementsPath;

namespace {

// clang-format off
JournalBet sample(std::string note, std::string description = "П1")
{
    return {0, "2026-12-07 10:15:30", "Лига", std::move(note), {BetKind::Accumulator, 0}, "100,50", SumMode::PerLine,
            {{" 1.85", Outcome::Won, false, std::move(description), "1,75"}, {" 2.1", Outcome::Open, true, "", ""}}};
}
// clang-format on

BankMovement deposit(std::string at) { return {0, std::move(at), "Лига", MovementKind::Deposit, "1000", "первый"}; }

// What an import added and passed over: "bets skipped movements skipped".
std::string counts(const std::optional<zoret::journal::Imported>& in)
{
    const auto n = [](std::size_t k) { return countText(static_cast<long long>(k)); };
    return in ? n(in->bets) + " " + n(in->betsSkipped) + " " + n(in->movements) + " " + n(in->movementsSkipped)
              : "failed";
}

// UTF-8 text of Russian letters, dashes and ASCII in Windows-1251, as a spreadsheet saves it.
QByteArray windows1251(const std::string& utf8)
{
    QByteArray bytes;
    for (const char16_t c : QString::fromStdString(utf8).toStdU16String())
        if (c != 0xFEFF)
            bytes.append(char(c < 0x80 ? c : c >= 0x2013 ? c - 0x2013 + 0x96 : c - 0x410 + 0xC0));
    return bytes;
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

// Statements on a connection of the test's own.
void sql(const QString& path, std::initializer_list<const char*> statements)
{
    Connection connection;
    EXPECT_TRUE(connection.open(path.toStdString(), false));
    for (const char* statement : statements)
        EXPECT_TRUE(connection.exec(statement)) << statement << ": " << connection.error().text;
}
std::string valueOn(JournalStore& store, const char* statement)
{
    return store.connection().text(statement).value_or("failed");
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

// A summary the store read, as one text with its figures.
std::string settledRow(const BetSummary& summary, const BetFigures& figures)
{
    return countText(summary.id) + " " + summary.placedAt + " " + summary.bookmaker + " " + summary.note + " "
           + settledRecord(summary, figures) + " " + summary.descriptions;
}
std::string settledRow(const JournalBet& bet) { return settledRow(summaryOf(bet), betFigures(bet)); }
std::vector<std::string> summaryRows(JournalStore& store, std::optional<int> newest = std::nullopt)
{
    std::vector<std::string> rows;
    const auto read = store.summaries(newest);
    for (std::size_t i = 0; read && i < read->bets.size(); ++i)
        rows.push_back(settledRow(read->bets[i], read->figures[i]));
    return rows;
}

class Journal : public ::testing::Test {
protected:
    QTemporaryDir home;
    const QString path = home.path() + "/Zoret/journal.sqlite";
    // A journal with these bets, closed again.
    void journalOf(const std::vector<JournalBet>& bets)
    {
        JournalStore store;
        ASSERT_EQ(store.open(path), JournalState::Ready);
        ASSERT_TRUE(store.addMany(bets));
    }
};

// The schema as each version released it, with a bet or two written by it.
// clang-format off
const std::vector<std::vector<const char*>> releasedSteps = {
    {"PRAGMA application_id = 1514820174",
     "CREATE TABLE bets (id INTEGER PRIMARY KEY, placed_at TEXT NOT NULL, bookmaker TEXT NOT NULL, note TEXT NOT NULL,"
     " kind TEXT NOT NULL, system_size INTEGER NOT NULL, sum_text TEXT NOT NULL, sum_mode TEXT NOT NULL)",
     "CREATE TABLE events (bet_id INTEGER NOT NULL REFERENCES bets (id) ON DELETE CASCADE, position INTEGER NOT NULL,"
     " coefficient TEXT NOT NULL, result TEXT NOT NULL, banker INTEGER NOT NULL, description TEXT NOT NULL,"
     " PRIMARY KEY (bet_id, position)) WITHOUT ROWID",
     "INSERT INTO bets VALUES (7, '2026-12-07 10:15:30', 'Лига', 'старая', 'accumulator', 0, '100,50', 'per-line')",
     "INSERT INTO events VALUES (7, 1, ' 2.1', 'open', 1, ''), (7, 0, ' 1.85', 'won', 0, 'П1')",
     "INSERT INTO bets VALUES (9, '2026-12-08 09:00:00', '', 'система', 'system', 2, '10', 'whole-bet')",
     "INSERT INTO events VALUES (9, 0, ' 2', 'won', 0, 'a'), (9, 1, ' 3', 'lost', 0, 'b'), (9, 2, ' 1.5', 'void', 0, 'c')"},
    {"CREATE INDEX bets_newest_first ON bets (placed_at DESC, id DESC)", "CREATE INDEX bets_by_bookmaker ON bets (bookmaker)"},
    {"ALTER TABLE bets ADD COLUMN settled TEXT", "UPDATE bets SET settled = 'a record of version 3'"},
};
// clang-format on

TEST_F(Journal, OlderVersionsAreBroughtUpWithTheirBetsSettledAgain)
{
    auto accumulator = sample("старая");
    accumulator.id = 7, accumulator.events[0].closingText.clear();
    // clang-format off
    const JournalBet system{9, "2026-12-08 09:00:00", "", "система", {BetKind::System, 2}, "10", SumMode::WholeBet,
        {{" 2", Outcome::Won, false, "a", ""}, {" 3", Outcome::Lost, false, "b", ""}, {" 1.5", Outcome::Void, false, "c", ""}}};
    // clang-format on
    for (std::size_t version = 1; version <= releasedSteps.size(); ++version) {
        QTemporaryDir folder;
        const QString old = folder.filePath("journal.sqlite");
        for (std::size_t step = 0; step < version; ++step) {
            Connection connection;
            ASSERT_TRUE(connection.open(old.toStdString(), false));
            for (const char* statement : releasedSteps[step])
                ASSERT_TRUE(connection.exec(statement)) << statement << ": " << connection.error().text;
        }
        sql(old, {("PRAGMA user_version = " + countText(static_cast<long long>(version))).c_str()});
        JournalStore store;
        ASSERT_EQ(store.open(old), JournalState::Ready) << version << ": " << store.message();
        EXPECT_EQ(store.bets(), (std::vector{system, accumulator})) << version;
        EXPECT_EQ(valueOn(store, "PRAGMA user_version"), "4");
        // Settled again: the system's coefficient now the sum over its accumulators (6 + 3 + 4.5).
        EXPECT_EQ(summaryRows(store), (std::vector{settledRow(system), settledRow(accumulator)})) << version;
    }
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
        EXPECT_EQ(store.open(path), JournalState::Damaged) << store.message();
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
    sql(path, {"PRAGMA user_version = 5"});
    const QByteArray before = bytesOf(path);
    {
        JournalStore store;
        ASSERT_EQ(store.open(path), JournalState::ReadOnly);
        EXPECT_EQ(storedIds(store), std::set<std::int64_t>{1});
        EXPECT_FALSE(store.bet(99) || store.update(*store.bet(1)) || store.remove(std::vector<std::int64_t>{1})
                     || store.add(sample("новая")) || store.addMovement(deposit("2026-12-01 10:00:00"))
                     || store.removeMovements(std::vector<std::int64_t>{1}));
        // The refusal says why, whatever failed before it.
        EXPECT_NE(store.message().find("более новой"), std::string::npos) << store.message();
    }
    EXPECT_EQ(bytesOf(path), before);

    write(home.path() + "/file", "a file, not a folder");
    JournalStore nowhere;
    EXPECT_TRUE(nowhere.open(home.path() + "/file/below/journal.sqlite") == JournalState::Unavailable && !nowhere.bets()
                && !nowhere.message().empty());
    JournalStore store;
    ASSERT_EQ(store.open(home.path() + "/other/journal.sqlite"), JournalState::Ready);
    ASSERT_EQ(store.add(sample("первая")), 1);
    valueOn(store, "PRAGMA max_page_count = 1");
    EXPECT_FALSE(store.addMany(std::vector{sample("a"), sample(std::string(100'000, 'x'))}));
    EXPECT_EQ(storedIds(store), std::set<std::int64_t>{1});
}

// Each kind of write failing on the way: it says why, and the journal is as it was.
TEST_F(Journal, FailedWritesSayWhyAndChangeNothing)
{
    journalOf({sample("первая"), sample("вторая")});
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    const auto before = store.bets();
    ASSERT_TRUE(before && before->size() == 2u);
    const auto expectFailure = [&](bool done, const std::string& message) {
        EXPECT_FALSE(done) << message;
        EXPECT_EQ(store.message(), message);
        EXPECT_EQ(store.bets(), before) << message;
    };
    {
        // Another writer holds the lock for longer than the wait.
        Connection other;
        ASSERT_TRUE(other.open(path.toStdString(), false) && other.exec("BEGIN IMMEDIATE"));
        const std::string busy = "журнал занят другой программой дольше 5 секунд";
        expectFailure(store.add(sample("третья")).has_value(), "Ставка не сохранена: " + busy);
        expectFailure(store.remove(std::vector<std::int64_t>{1, 2}), "Ставки не удалены: " + busy);
    }
    // The disk fills up: the file may not grow by a page.
    store.connection().exec("PRAGMA max_page_count = 1");
    auto longer = before->front();
    longer.note = std::string(100'000, 'x');
    expectFailure(store.update(longer), "Ставка не сохранена: на диске нет места");
    const QString csv = home.path() + "/bets.csv";
    auto another = longer;
    another.placedAt = "2026-12-09 10:00:00"; // not a bet the journal holds
    write(csv, QByteArray::fromStdString(journalCsv(std::vector{another})));
    expectFailure(store.importCsv(csv).has_value(), "Ставки не сохранены: на диске нет места");

    // A damaged file whose name leaves no room for the name it would be set aside under.
    const QString damaged = home.path() + "/" + QString(235, 'j');
    write(damaged, "garbage bytes, never a database");
    JournalStore spoiled;
    ASSERT_EQ(spoiled.open(damaged), JournalState::Damaged);
    EXPECT_FALSE(spoiled.setDamagedAside());
    EXPECT_TRUE(spoiled.message().starts_with("Повреждённый журнал не переименован в " + damaged.toStdString()))
        << spoiled.message();
    EXPECT_EQ(bytesOf(damaged), "garbage bytes, never a database");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 2); // the CSV and the damaged file, nothing beside
}

TEST_F(Journal, HostileTextsAndCsvComeBackVerbatim)
{
    std::string controls(0x20, 0);
    std::iota(controls.begin(), controls.end(), 0);
    auto hostile = sample(std::string(100'000, 'z') + "\r\n\"", controls + "\x7F;\"");
    hostile.bookmaker = "'); DROP TABLE bets; --";
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    hostile.id = store.add(hostile).value_or(0);
    EXPECT_EQ(store.bet(hostile.id), hostile);
    EXPECT_EQ(store.bookmakers(), std::vector{hostile.bookmaker});

    // A NUL is what tells a file in UTF-16: no CSV text holds one.
    hostile.events.pop_back(), hostile.bet = {BetKind::Single, 0}, hostile.events[0].description.erase(0, 1);
    ASSERT_TRUE(store.update(hostile)) << store.message();
    EXPECT_EQ(store.bets(), std::vector{hostile});

    const QString csv = home.path() + "/bets.csv";
    ASSERT_TRUE(store.exportCsv(csv));
    ASSERT_TRUE(store.remove(std::vector<std::int64_t>{hostile.id, 12345}));
    EXPECT_EQ(valueOn(store, "SELECT count(*) FROM events"), "0");
    ASSERT_EQ(counts(store.importCsv(csv)), "1 0 0 0") << store.message();
    auto back = store.bets()->front();
    EXPECT_EQ((back.id = hostile.id, back), hostile);
}

// The order and the removal of movements are the journal window's; here what one holds comes back verbatim.
TEST_F(Journal, MovementsComeBackVerbatimNegativeAmountsRefused)
{
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    auto movement = deposit("2026-12-05 09:00:00");
    movement.kind = MovementKind::Withdrawal, movement.note = "'); DROP TABLE movements; --";
    movement.id = store.addMovement(movement).value_or(0);
    EXPECT_EQ(store.movements(), std::vector{movement});
    movement.amountText = "-5";
    EXPECT_FALSE(store.addMovement(movement));
    EXPECT_TRUE(store.message().starts_with("Движение средств не сохранено: ")) << store.message();
}

// Exported and imported again, into the same journal and into a new one.
TEST_F(Journal, ImportPassesOverWhatTheJournalHolds)
{
    auto single = sample("ординар");
    single.events.resize(1), single.bet = {BetKind::Single, 0}, single.placedAt = "2026-11-30 23:59:59";
    // The same bet twice: a file's own repeats are all added.
    journalOf({sample("первая"), single, sample("та же")});
    const QString csv = home.path() + "/bets.csv";
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    auto withdrawal = deposit("2026-12-02 08:00:00");
    withdrawal.kind = MovementKind::Withdrawal;
    ASSERT_TRUE(store.addMovement(deposit("2026-12-01 10:00:00")) && store.addMovement(withdrawal));
    ASSERT_EQ(store.exportCsv(csv), 3u) << store.message();
    EXPECT_EQ(counts(store.importCsv(csv)), "0 3 0 2") << store.message();

    JournalStore other;
    ASSERT_EQ(other.open(home.path() + "/other.sqlite"), JournalState::Ready);
    EXPECT_EQ(counts(other.importCsv(csv)), "3 0 2 0") << other.message();
    EXPECT_EQ(counts(other.importCsv(csv)), "0 3 0 2") << other.message();
    EXPECT_EQ(other.movements(), store.movements());
    auto bets = store.bets().value(), copied = other.bets().value();
    for (auto* list : {&bets, &copied})
        for (auto& bet : *list)
            bet.id = 0;
    EXPECT_EQ(copied, bets);
}

TEST_F(Journal, SpreadsheetEncodingsAreReadOthersRefused)
{
    const std::string text = journalCsv(std::vector{sample("заметка", "Спартак – ЦСКА, П1")});
    const QString csv = home.path() + "/bets.csv";
    write(csv, windows1251(text));
    const auto utf16 = [](const std::string& utf8) {
        const QString wide = QString::fromStdString(utf8);
        return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2);
    };
    write(movementsPath(csv), utf16(movementsCsv(std::vector{deposit("2026-12-01 10:00:00")})));
    const std::string refused = " не в кодировке UTF-8 или Windows-1251: сохраните его из таблицы как CSV в UTF-8";
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    // Nothing of the bets when the file beside them is refused.
    EXPECT_FALSE(store.importCsv(csv));
    EXPECT_EQ(store.message(), "Файл " + movementsPath(csv).toStdString() + refused);
    QFile::remove(movementsPath(csv));
    ASSERT_EQ(counts(store.importCsv(csv)), "1 0 0 0") << store.message();
    const auto bets = store.bets().value();
    EXPECT_EQ(bets.front().events.front().description, "Спартак – ЦСКА, П1");
    EXPECT_EQ(bets.front().note, "заметка");

    write(csv, utf16(text));
    EXPECT_FALSE(store.importCsv(csv));
    EXPECT_EQ(store.message(), "Файл" + refused);
    EXPECT_EQ(store.bets(), bets);
}

TEST_F(Journal, SummariesFollowEveryChangeNewestFirst)
{
    // clang-format off
    auto system = sample("система");
    system.events = {{" 2", Outcome::Won, false, "", ""}, {" 3", Outcome::Lost, false, "", ""}, {" 1.5", Outcome::Void, false, "", ""}};
    system.bet = {BetKind::System, 2}, system.sumMode = SumMode::WholeBet, system.placedAt = "2026-12-08 09:00:00";
    auto single = sample("ординар");
    single.events.resize(1), single.bet = {BetKind::Single, 0}, single.placedAt = "2026-11-30 23:59:59";
    // clang-format on
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    ASSERT_TRUE(
        store.addMany(std::vector{sample("тот же миг"), system, single, sample("тот же миг"), sample("тот же миг")}));
    auto changed = *store.bet(1);
    changed.events[1].outcome = Outcome::Lost, changed.sumText = "7,25", changed.placedAt = "2026-01-09 00:00:00";
    changed.events[1].closingText = "2,2"; // the one with a closing-line value
    ASSERT_TRUE(store.update(changed));
    ASSERT_TRUE(store.remove(std::vector<std::int64_t>{3}));
    // Whatever was written last, settled again from the whole bets, in
    // their order: placed-at, then the later id first.
    const auto bets = store.bets();
    std::vector<std::string> expected;
    for (const auto& bet : bets.value())
        expected.push_back(settledRow(bet));
    EXPECT_EQ(summaryRows(store), expected);
    std::string ids;
    for (const auto& row : expected)
        ids += row.substr(0, 2);
    EXPECT_EQ(ids, "2 5 4 1 ");
    // The newest few, as the window shows them first, in the same order.
    EXPECT_EQ(summaryRows(store, 2), std::vector(expected.begin(), expected.begin() + 2));
    EXPECT_EQ(summaryRows(store, 9), expected);
    EXPECT_EQ(summaryRows(store, 0), std::vector<std::string>{});
}

TEST_F(Journal, DamagedRowsAreRefusedNeverShown)
{
    journalOf({sample("первая"), sample("вторая")});
    // Each spoils bet 2 in its own way (the record's own faults are core
    // rows); the journal is restored between.
    const char* damage[] = {
        "UPDATE bets SET settled = NULL",
        "UPDATE bets SET settled = 'garbage'",
        "UPDATE bets SET kind = 'system', system_size = 2",
        "UPDATE bets SET kind = 'gambit'",
        "UPDATE bets SET placed_at = '2026-02-30 10:15:30'",
    };
    const QByteArray good = bytesOf(path);
    for (const char* statement : damage) {
        write(path, good);
        sql(path, {(std::string(statement) + " WHERE id = 2").c_str()});
        JournalStore store;
        ASSERT_EQ(store.open(path), JournalState::Ready) << statement;
        EXPECT_FALSE(store.summaries()) << statement;
        EXPECT_NE(store.message().find("Ставка 2 "), std::string::npos) << statement << ": " << store.message();
    }
    write(path, good);
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready);
    EXPECT_EQ(summaryRows(store).size(), 2u);
}

TEST_F(Journal, DamageFoundWhileReadingTurnsTheJournalDamaged)
{
    journalOf({sample(std::string(100'000, 'z'))});
    // Opening walks the tables' pages, not a long note's overflow pages: a
    // zeroed one ends the note's chain early, which reading finds.
    QByteArray bytes = bytesOf(path);
    const qsizetype page = 4096, middle = bytes.size() / 2 / page * page;
    bytes.replace(middle, page, QByteArray(page, '\0'));
    write(path, bytes);
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready) << store.message();
    EXPECT_FALSE(store.summaries());
    EXPECT_EQ(store.state(), JournalState::Damaged) << store.message();
    EXPECT_FALSE(store.add(sample("нет")));
    EXPECT_TRUE(store.setDamagedAside());
    EXPECT_EQ(summaryRows(store), std::vector<std::string>{});
}

// This program with --write JOURNAL TAG COUNT: adds bets noted "TAG n" to
// JOURNAL, COUNT of them or until killed when negative, printing each id
// once committed.
int writeBets(const char* journal, const char* tag, const QByteArray& count)
{
    JournalStore store;
    const bool ready = store.open(QString::fromLocal8Bit(journal)) == JournalState::Ready;
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
std::set<std::int64_t> committedBy(const QString& journal, std::initializer_list<const char*> tags, const char* count,
                                   int killAfter = 0)
{
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const char* tag : tags) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QCoreApplication::applicationFilePath(), {"--write", journal, tag, count});
    }
    std::set<std::int64_t> ids;
    for (auto& writer : writers) {
        if (killAfter && !writer->waitForFinished(killAfter))
            writer->kill();
        EXPECT_TRUE(writer->waitForFinished(120'000));
        if (!killAfter) {
            EXPECT_EQ(writer->readAllStandardError().toStdString(), "");
        }
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
        committed.merge(committedBy(path, {"убит"}, "-1", int(50 + random() % 400)));
    ASSERT_GT(committed.size(), 6u);
    JournalStore store;
    ASSERT_EQ(store.open(path), JournalState::Ready) << store.message();
    EXPECT_EQ(valueOn(store, "PRAGMA integrity_check"), "ok");
    const auto stored = storedIds(store);
    EXPECT_TRUE(std::includes(stored.begin(), stored.end(), committed.begin(), committed.end()));
    EXPECT_EQ(stored.size(), store.bets()->size());
}

// Each round on a new journal: the writers race to make it, then to add.
TEST_F(Journal, WritersAtOnceKeepEveryBet)
{
    for (int round = 0; round < 10; ++round) {
        QTemporaryDir data;
        const QString journal = data.filePath("journal.sqlite");
        const auto printed = committedBy(journal, {"A", "B", "C"}, "30");
        EXPECT_EQ(printed.size(), 90u) << "round " << round;
        JournalStore store;
        ASSERT_EQ(store.open(journal), JournalState::Ready);
        EXPECT_EQ(storedIds(store), printed);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--write")
        return writeBets(argv[2], argv[3], argv[4]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
