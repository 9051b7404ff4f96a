// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "journal/journal_store.h"
#include "journal/sqlite.h"
#include "ui/toolkit/clock.h"
#include "ui/toolkit/file_dialog.h"

#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>

// The journal as the user meets it, on real SQLite files in a temporary folder
// of each test's own, never the user's: saving a slip from the settlement window, opening and
// changing it, filtering, sorting, deleting, CSV files through the file
// dialog, and the files that are damaged, newer or out of reach. The
// figures themselves are the core's.
namespace {

using zoret::JournalBet;
using zoret::Outcome;
using zoret::journal::JournalState;
using zoret::journal::JournalStore;

// The clock of every test: today at half past nine.
QString now() { return QDate::currentDate().toString("yyyy-MM-dd 09:30:00"); }

// A bet placed on a day of this month (or another date) at a bookmaker.
JournalBet bet(const QString& placedAt, const char* bookmaker, const char* sum, const char* coefficient,
               Outcome outcome)
{
    JournalBet b;
    b.placedAt = placedAt.toStdString();
    b.bookmaker = bookmaker;
    b.bet = {zoret::BetKind::Single, 0};
    b.sumText = sum;
    b.events = {{coefficient, outcome, false, "", ""}};
    return b;
}

QString thisMonth(int day)
{
    return QDate::currentDate().toString("yyyy-MM-") + QString::asprintf("%02d 10:00:00", day);
}

} // namespace

class JournalWindowTest : public WindowTestCase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data;
    QString journal;
    QString csv;

    void run(const QString& steps) { runFromMainWindow(*watcher, steps, journal); }
    std::vector<JournalBet> storedBets() const
    {
        JournalStore store;
        store.open(journal);
        return store.bets().value_or(std::vector<JournalBet>{});
    }
    // The journal with these bets added, before the window opens it.
    void store(const std::vector<JournalBet>& bets) const
    {
        JournalStore store;
        QCOMPARE(store.open(journal), JournalState::Ready);
        QVERIFY(store.addMany(bets).has_value());
    }
    // The worked example: 100 at 2.00 won, 100 at 1.50 lost, 50 at 3.00 void; the lost one two years ago.
    void storeThreeBets() const
    {
        const QString lastYear = QString::number(QDate::currentDate().year() - 2) + "-03-15 12:00:00";
        store({bet(thisMonth(1), "Лига", "100", " 2.00", Outcome::Won),
               bet(lastYear, "Марафон", "100", " 1.50", Outcome::Lost),
               bet(thisMonth(1).replace("10:", "11:"), "Марафон", "50", " 3.00", Outcome::Void)});
    }

    QTemporaryDir settings; // the remembered sizes of this run only

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
        zoret::ui::setClock([] { return now().toStdString(); });
    }

    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        journal = data->filePath("Zoret/journal.sqlite");
        csv = data->filePath("bets.csv");
        zoret::ui::replaceFileChooser([this](QWidget*, const zoret::ui::FileQuestion&) { return csv.toStdString(); });
    }

    void savedFromTheSlipAndChangedFromTheJournal()
    {
        run(R"(
            add 2 ; add 1.5 ; menu actionSettlement ; within Form3 ; is Command2 В журнал ; type Text1 100 ; pick Result1 Выигрыш
            click Command2 ; within Form8 ; items Combo1 ; type Combo1 Лига ; type Text1 на вечер ; click Command1 ; end
            end ; shortcut List1 Ctrl+J ; within Form6 ; is lbCount 1 ; is lbSettled 0 ; is lbProfit 0.00 ; is lbRoi —
            items Combo2 Все|Лига ; disabled Command1 Command3 ; select Grid1 0 ; enabled Command1 Command3 ; key Grid1 Enter
            within Form3 ; is Command2 Сохранить ; is Text1 100 ; is Result1 Выигрыш ; is Result2 Ожидается ; is Combo1 Экспресс
            pick Result2 Проигрыш ; click Command2 ; within Form8 ; click Command1 ; end ; end ; is lbSettled 1 ; is lbTurnover 100.00 ; is lbProfit -100.00
            is lbStrike 0.00 % ; is lbAverage 3.00 ; dblclick Grid1 0 ; within Form3 ; is Result2 Проигрыш ; type Text1 0
            click Command2 ; click Command1 ; end ; click Command2 ; end
        )");
        QCOMPARE(watcher->takeMessages(),
                 QStringList{"Zoret: Ставка не сохранена: Сумма ставки должна быть положительным числом (warning)"});
        QCOMPARE(storedBets().at(0).note, "на вечер");
        // A second slip is offered the bookmaker used; cancelling keeps nothing.
        run(R"(add 3 ; menu actionSettlement ; within Form3 ; type Text1 10 ; click Command2 ; within Form8 ; items Combo1 Лига
               click Command2 ; end ; click Command1 ; end)");
        QCOMPARE(storedBets().size(), 1u);
    }

    // What was bet on and when, typed in the slip and the dialog, is what the journal shows; the date starts at the
    // clock's now. Closing odds wait until the bet is in the journal; typed there, the bet is saved through the
    // dialog again, which shows what it holds, and its closing-line value follows.
    void eventsDatesAndClosingOdds()
    {
        run(R"(
            add 2.10 ; menu actionSettlement ; within Form3 ; disabled Closing1 ; type Event1 Спартак – ЦСКА, П1
            type Text1 100 ; click Command2 ; within Form8 ; is Date1 )"
            + QDate::currentDate().toString("dd.MM.yyyy") + R"( 09:30
            type Date1 07.03.2025 18:45 ; type Combo1 Лига ; click Command1 ; end ; end
            menu actionJournal ; within Form6 ; items Grid1 2025-03-07 18:45 Лига Ординар 2.1 Спартак – ЦСКА, П1 2.10 100.00 Ожидается 0.00 – 210.00 -100.00 – 110.00 —
            is lbClv — ; dblclick Grid1 0 ; within Form3 ; is Event1 Спартак – ЦСКА, П1 ; enabled Closing1 ; type Closing1 1,95
            pick Result1 Выигрыш ; click Command2 ; within Form8 ; is Combo1 Лига ; is Date1 07.03.2025 18:45
            type Date1 08.03.2025 12:00 ; click Command1 ; end ; end ; is lbClv +7.69 % ; is lbBeatClose 100.00 % ; click Command2 ; end
        )");
        const std::vector<JournalBet> bets = storedBets();
        QCOMPARE(bets.size(), 1u);
        QCOMPARE(bets[0].placedAt, "2025-03-08 12:00:00");
    }

    void filtersAndDeletion()
    {
        storeThreeBets();
        run(R"(
            menu actionJournal ; within Form6 ; is Combo1 Всё время ; is Combo2 Все ; is lbCount 3 ; is lbSettled 3
            is lbTurnover 250.00 ; is lbProfit 0.00 ; is lbRoi 0.00 % ; is lbStrike 33.33 % ; is lbAverage 2.17
            pick Combo1 Этот месяц ; is lbCount 2 ; is lbTurnover 150.00 ; is lbProfit 100.00 ; pick Combo2 Марафон
            is lbCount 1 ; is lbProfit 0.00 ; pick Combo1 Всё время ; is lbCount 2 ; is lbProfit -100.00 ; pick Combo2 Все
            select Grid1 0 ; click Command3 ; question Удалить из журнала 1 ставку? ; is lbCount 3 ; answer Да
            shortcut Grid1 Ctrl+A ; click Command3 ; question Удалить из журнала 3 ставки? ; is lbCount 0 ; is lbRoi —
            items Combo2 Все ; click Command2 ; end
        )");
        QCOMPARE(storedBets().size(), 0u);
    }

    // Status and dates filter the statistics; the balance follows only the bookmaker, and the deposits and
    // withdrawals kept or deleted in their window.
    void statusDatesAndTheBank()
    {
        storeThreeBets();
        store({bet(thisMonth(2), "Лига", "20", " 2.00", Outcome::Open)});
        const QString twoYearsAgo = QString::number(QDate::currentDate().year() - 2);
        run(QString(R"(
            menu actionJournal ; within Form6 ; is lbCount 4 ; is lbBalance -20.00 ; disabled DateFrom DateTo
            pick Combo3 Открытые ; is lbCount 1 ; pick Combo3 Рассчитанные ; is lbCount 3 ; pick Combo1 С … по …
            enabled DateFrom DateTo ; type DateFrom 01.01.%1 ; type DateTo 31.12.%1 ; is lbCount 1 ; is lbProfit -100.00
            is lbBalance -20.00 ; pick Combo2 Лига ; is lbCount 0 ; is lbBalance 80.00 ; click Command6 ; within Form12
            is Date1 %2 09:30 ; type Combo1 Лига ; type Text1 1000 ; click Command1 ; click Option2 ; type Text1 250
            click Command1 ; items Grid1 %3 09:30 Лига Вывод -250.00|%3 09:30 Лига Пополнение 1000.00 ; click Command2 ; end
            is lbBalance 830.00 ; click Command6 ; within Form12 ; answer Да ; select Grid1 0 ; click Command3
            question Удалить из журнала 1 движение средств? ; click Command2 ; end ; is lbBalance 1080.00 ; click Command2 ; end
        )")
                .arg(twoYearsAgo, QDate::currentDate().toString("dd.MM.yyyy"),
                     QDate::currentDate().toString("yyyy-MM-dd")));
    }

    // A journal longer than the first rows read: the window fills itself once shown. A bookmaker chosen whose
    // bets are all older than those rows stays chosen when the window opens again, until its last bet is gone.
    void manyBetsAndAnOldBookmaker()
    {
        std::vector<JournalBet> bets(300, bet(thisMonth(1), "Лига", "10", " 2.00", Outcome::Won));
        bets.push_back(bet("2020-01-01 10:00:00", "Марафон", "100", " 1.50", Outcome::Lost));
        bets.push_back(bet("2021-01-01 10:00:00", "Олимп", "10", " 2.00", Outcome::Won));
        store(bets);
        run(R"(
            menu actionJournal ; within Form6 ; is lbCount 302 ; is lbProfit 2910.00 ; enabled Command4
            items Combo2 Все|Лига|Марафон|Олимп ; pick Combo2 Марафон ; is lbCount 1 ; click Command2 ; end
            menu actionJournal ; within Form6 ; is Combo2 Марафон ; is lbCount 1 ; is lbProfit -100.00
            items Combo2 Все|Лига|Марафон|Олимп ; answer Да ; select Grid1 0 ; click Command3
            question Удалить из журнала 1 ставку? ; is Combo2 Все ; is lbCount 301 ; items Combo2 Все|Лига|Олимп
            click Command2 ; end
        )");
    }

    // Sorting goes by the figure, not by its text, both ways; a selected row stays the same bet.
    void sortingKeepsTheSelectedBet()
    {
        store({bet(thisMonth(3), "Лига", "100", " 2.00", Outcome::Won),
               bet(thisMonth(2), "Лига", "9", " 2.00", Outcome::Lost),
               bet(thisMonth(1), "Лига", "50", " 2.00", Outcome::Open)});
        watcher->onWindow("Form6", [&](QWidget* window) {
            auto* view = control<QTableView>(window, "Grid1");
            auto* header = view->horizontalHeader();
            const auto sums = [view] {
                QStringList column;
                for (int row = 0; row < view->model()->rowCount(); ++row)
                    column << view->model()->index(row, 5).data().toString();
                return column.join(' ');
            };
            const auto sortBySum = [header] {
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {header->sectionViewportPosition(5) + 5, 5});
            };
            QCOMPARE(sums(), "100.00 9.00 50.00");
            view->selectRow(1);
            sortBySum();
            QCOMPARE(sums(), "9.00 50.00 100.00");
            sortBySum();
            QCOMPARE(sums(), "100.00 50.00 9.00");
            QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 2);
            watcher->answerNext("Да");
            click(window, "Command3");
            QCOMPARE(sums(), "100.00 50.00");
            click(window, "Command2");
        });
        run("menu actionJournal");
        QCOMPARE(watcher->takeMessages(), QStringList{"Zoret: Удалить из журнала 1 ставку? (question)"});
        QCOMPARE(storedBets().size(), 2u);
        QCOMPARE(storedBets()[1].sumText, "50");
    }

    void exportAndImportThroughTheFileDialog()
    {
        storeThreeBets();
        run(QString(R"(
            menu actionJournal ; within Form6 ; pick Combo1 Этот месяц ; click Command4
            information В файл %1 записано ставок: 2, движений средств в %2: 0 ; pick Combo1 Всё время ; answer Да ; shortcut Grid1 Ctrl+A ; click Command3
            question Удалить из журнала 3 ставки? ; click Command5
            information Импорт из %1. Добавлено ставок: 2, пропущено уже бывших в журнале: 0 ; is lbCount 2
            is lbProfit 100.00 ; items Combo2 Все|Лига|Марафон ; click Command5
            information Импорт из %1. Добавлено ставок: 0, пропущено уже бывших в журнале: 2 ; click Command2 ; end
        )")
                .arg(csv, data->filePath("bets.movements.csv")));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFwhat;is;this\r\nno;bet;here\r\n");
        file.close();
        run(R"(menu actionJournal ; within Form6 ; click Command5
               warning Файл не загружен. Строка 1. Это не журнал ставок: заголовок не тот ; click Command2 ; end)");
    }

    // A damaged file is set aside only when the user agrees, and kept as it was.
    void damagedFile()
    {
        const QString& path = journal;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        run("answer Нет ; menu actionJournal ; add 2 ; enabled Command11");
        const QString question =
            "Zoret: Журнал повреждён: файл журнала повреждён\n\nОтложить этот файл (он останется рядом под "
            "другим именем) и начать новый журнал? (question)";
        QCOMPARE(watcher->takeMessages(), QStringList{question});
        QVERIFY(QFileInfo(path).size() == 4096);
        run("menu actionJournal ; within Form6 ; is lbCount 0 ; click Command2 ; end");
        const QStringList shown = watcher->takeMessages();
        QCOMPARE(shown.value(0), question);
        QVERIFY2(shown.value(1).startsWith("Zoret: Повреждённый журнал сохранён как " + path + ".damaged-"),
                 qPrintable(shown.value(1)));
        const QStringList aside = QFileInfo(path).dir().entryList({"journal.sqlite.damaged-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFileInfo(QFileInfo(path).dir().filePath(aside[0])).size(), 4096);
    }

    // A newer journal is shown and never written to; nothing saves into it.
    void newerFile()
    {
        storeThreeBets();
        {
            zoret::journal::Connection newer;
            QVERIFY(newer.open(journal.toStdString(), false) && newer.exec("PRAGMA user_version = 9"));
        }
        run(R"(
            menu actionJournal ; within Form6 ; information Журнал записан более новой версией Zoret: его можно только просматривать
            is lbCount 3 ; disabled Command5 ; select Grid1 0 ; enabled Command1 ; disabled Command3
            click Command1 ; within Form3 ; disabled Command2 ; click Command1 ; end ; click Command2 ; end
            add 2 ; menu actionSettlement ; within Form3 ; type Text1 5 ; click Command2
            information Журнал записан более новой версией Zoret: его можно только просматривать ; click Command1 ; end
        )");
        QCOMPARE(storedBets().size(), 3u);
    }

    // A data folder that cannot be made: the calculators go on, and the journal is tried again later.
    void journalOutOfReach()
    {
        QFile blocker(data->filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        journal = blocker.fileName() + "/Zoret/journal.sqlite";
        const QString folder = blocker.fileName() + "/Zoret";
        const QString told =
            "Не удаётся создать папку журнала " + folder + "\n\nРасчёты работают как прежде, но ставки не сохраняются.";
        run("menu actionJournal ; add 2 ; menu actionSettlement ; within Form3 ; type Text1 10 ; click Command2 ; is "
            "lbReturn "
            "0.00 – 20.00 ; click Command1 ; end");
        QCOMPARE(watcher->takeMessages(), QStringList(2, "Zoret: " + told + " (warning)"));
    }

    void tableCellsChartAndRememberedSizes()
    {
        storeThreeBets();
        run("menu actionJournal ; within Form6 ; resize 1000 760 ; click Command2 ; end");
        watcher->onWindow("Form6", [&](QWidget* window) {
            QCOMPARE(window->size(), QSize(1000, 760));
            auto* view = control<QTableView>(window, "Grid1");
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
            QCOMPARE(table->tableInterface()->rowCount(), 3);
            QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), "Букмекер 2");
            QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Description), "Лига");
            view->setColumnWidth(1, 333);
            // The curve has a point for each day of a settled bet the filter keeps, and redraws with it.
            auto* line = static_cast<QLineSeries*>(control<QChartView>(window, "Chart1")->chart()->series()[0]);
            QCOMPARE(line->count(), 2);
            QCOMPARE(line->at(1).y(), 0.0);
            const QDate lostOn(QDate::currentDate().year() - 2, 3, 15);
            QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(line->at(0).x())),
                     lostOn.startOfDay()); // as the axis reads it
            pick(window, "Combo2", "Лига");
            QCOMPARE(line->count(), 1);
            QCOMPARE(line->at(0).y(), 100.0);
            click(window, "Command2");
        });
        run("menu actionJournal");
        watcher->onWindow("Form6", [&](QWidget* window) {
            QCOMPARE(control<QTableView>(window, "Grid1")->columnWidth(1), 333);
            click(window, "Command2");
        });
        run("menu actionJournal");
    }

    // A cell tells in its tooltip every event and why a bet has no closing-line value; the bets of one day are a
    // point each on an axis of times.
    void tipsAndOneDayChart()
    {
        JournalBet accumulator = bet(thisMonth(1).replace("10:", "12:"), "Лига", "10", " 2.00", Outcome::Won);
        accumulator.bet = {zoret::BetKind::Accumulator, 0};
        accumulator.events = {{" 2.00", Outcome::Won, false, "Спартак – ЦСКА, П1", "1,9"},
                              {" 1.50", Outcome::Won, false, "Зенит – Локомотив, ТБ 2,5", ""}};
        store({bet(thisMonth(1), "Лига", "100", " 2.00", Outcome::Lost), accumulator});
        watcher->onWindow("Form6", [&](QWidget* window) {
            QAbstractItemModel* rows = control<QTableView>(window, "Grid1")->model();
            QCOMPARE(rows->index(0, 3).data(Qt::ToolTipRole).toString(),
                     "Спартак – ЦСКА, П1\nЗенит – Локомотив, ТБ 2,5");
            QCOMPARE(rows->index(0, 9).data(Qt::ToolTipRole).toString(), "Не у всех событий есть коэф. закрытия");
            auto* chart = control<QChartView>(window, "Chart1")->chart();
            QCOMPARE(static_cast<QLineSeries*>(chart->series()[0])->count(), 2);
            auto* axis = static_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal)[0]);
            QCOMPARE(axis->format(), "HH:mm");
            QCOMPARE(axis->min().secsTo(axis->max()) / 60 % (axis->tickCount() - 1), 0);
            QCOMPARE(axis->min().toString("HH:mm"), "10:00");
            click(window, "Command2");
        });
        run("menu actionJournal");
    }

    // A hostile bookmaker is kept verbatim and shown on one line.
    void hostileTextOnOneLine()
    {
        store({bet(thisMonth(1), "'); DROP TABLE bets; --\nЛига", "10", " 2.00", Outcome::Won)});
        run(R"(menu actionJournal ; within Form6 ; items Combo2 Все|'); DROP TABLE bets; --␊Лига ; is lbCount 1
               pick Combo2 '); DROP TABLE bets; --␊Лига ; is lbCount 1 ; click Command2 ; end)");
    }
};

ZORET_UI_TEST_MAIN(JournalWindowTest)
#include "test_journal_window.moc"
