// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// journal_generator [COUNT]: writes COUNT (100,000 by default; 0 takes the
// journal as it is) random bets of two years, with what was bet on and
// some closing odds, and a thousand deposits and withdrawals into the
// journal of XDG_DATA_HOME, then times what the journal's window does with
// them: opening it, reading the newest bets it shows first and the texts
// of their rows, then every bet's summary and every movement, the
// statistics, the balances and the profit curve, their recomputation after
// a filter change, and saving one bet; then, for comparison, the texts of
// every row, and loading and settling every bet whole.
#include "bench/timing.h"
#include "core/bank_movement.h"
#include "core/civil_date.h"
#include "core/exact_decimal.h"
#include "core/journal_statistics.h"
#include "journal/journal_store.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using zoret::JournalBet;
using zoret::bench::median;
using zoret::bench::timed;

const zoret::CivilDate today{2026, 12, 7};
constexpr std::size_t shownRows = 50;
constexpr int firstRows = 200; // as many as the window reads before it is shown
constexpr int movementCount = 1'000;
const char* const bookmakers[] = {"Лига", "Марафон", "Олимп", "Фонбет", "Винлайн", ""};

std::string twoDigits(long long n)
{
    std::string digits = zoret::countText(n);
    if (n < 10)
        digits.insert(digits.begin(), '0');
    return digits;
}

int pick(std::mt19937& random, int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

// A moment of the two years before today, "YYYY-MM-DD HH:MM:SS".
std::string randomTime(std::mt19937& random)
{
    const int seconds = pick(random, 86'400);
    return zoret::dateText(zoret::daysBefore(today, pick(random, 730))) + " " + twoDigits(seconds / 3600) + ":"
           + twoDigits(seconds / 60 % 60) + ":" + twoDigits(seconds % 60);
}

// "1.85" from 185; `blank` puts the odds list's leading blank.
std::string oddsText(int hundredths, bool blank)
{
    std::string text = blank ? " " : "";
    return text + zoret::countText(hundredths / 100) + "." + twoDigits(hundredths % 100);
}

// What was bet on: two teams and a market.
std::string randomDescription(std::mt19937& random)
{
    const char* teams[] = {"Спартак", "ЦСКА", "Зенит", "Локомотив", "Динамо", "Краснодар", "Ростов", "Рубин"};
    const char* markets[] = {"П1", "П2", "Х", "ТБ 2.5", "ТМ 2.5", "Ф1(-1)", "Обе забьют"};
    return std::string(teams[pick(random, 8)]) + " – " + teams[pick(random, 8)] + ", " + markets[pick(random, 7)];
}

// Mostly singles and short accumulators, some systems; odds as the list
// writes them, sums as typed, each event named, half of them with closing
// odds, a few bets still open.
JournalBet randomBet(std::mt19937& random)
{
    const auto pick = [&](int n) { return ::pick(random, n); };
    JournalBet bet;
    bet.placedAt = randomTime(random);
    bet.bookmaker = bookmakers[pick(6)];
    bet.note = pick(4) == 0 ? "экспресс дня" : "";
    const int kind = pick(10);
    const int events = kind < 6 ? 1 : kind < 9 ? 2 + pick(4) : 3 + pick(4);
    bet.bet = kind < 6   ? zoret::Bet{zoret::BetKind::Single, 0}
              : kind < 9 ? zoret::Bet{zoret::BetKind::Accumulator, 0}
                         : zoret::Bet{zoret::BetKind::System, 2 + pick(events - 2)};
    bet.sumText = zoret::countText(10 * (1 + pick(50))) + (pick(3) == 0 ? ",50" : "");
    bet.sumMode = pick(2) ? zoret::SumMode::PerLine : zoret::SumMode::WholeBet;
    const zoret::Outcome outcomes[] = {zoret::Outcome::Won,      zoret::Outcome::Lost, zoret::Outcome::Lost,
                                       zoret::Outcome::Won,      zoret::Outcome::Void, zoret::Outcome::HalfWon,
                                       zoret::Outcome::HalfLost, zoret::Outcome::Won,  zoret::Outcome::Lost};
    for (int i = 0; i < events; ++i) {
        const int hundredths = 110 + pick(300);
        bet.events.push_back({oddsText(hundredths, true), pick(40) == 0 ? zoret::Outcome::Open : outcomes[pick(9)],
                              false, randomDescription(random),
                              pick(2) == 0 ? oddsText(hundredths - 10 + pick(21), false) : ""});
    }
    return bet;
}

// Deposits mostly, some withdrawals, at the named bookmakers.
std::vector<zoret::BankMovement> randomMovements(std::mt19937& random)
{
    std::vector<zoret::BankMovement> movements;
    while (movements.size() < movementCount) {
        zoret::BankMovement movement{0,
                                     randomTime(random),
                                     bookmakers[pick(random, 5)],
                                     pick(random, 4) == 0 ? zoret::MovementKind::Withdrawal
                                                          : zoret::MovementKind::Deposit,
                                     zoret::countText(100 * (1 + pick(random, 100))),
                                     pick(random, 5) == 0 ? "бонус" : ""};
        if (!zoret::movementProblem(movement))
            movements.push_back(std::move(movement));
    }
    return movements;
}

void report(const char* what, double milliseconds)
{
    const mpq_class shown(static_cast<long>(milliseconds * 100), 100);
    std::printf("%-52s %10s ms\n", what, zoret::fixedText(shown, 2).c_str());
}

// The window's work on a filter: the positions kept, their statistics and
// texts, the balance, the curve.
std::size_t summed(const zoret::JournalSummaries& journal, const std::vector<zoret::BankMovement>& movements,
                   const zoret::JournalFilter& filter)
{
    const auto kept = zoret::filteredBets(journal.bets, journal.figures, filter, zoret::dateText(today));
    const auto texts = zoret::statisticsTexts(zoret::journalStatistics(journal.bets, journal.figures, kept));
    const mpq_class balance = zoret::balance(movements, journal.bets, journal.figures, filter.bookmaker);
    return texts.profit.size() + zoret::moneyText(balance).size()
           + zoret::profitCurve(journal.bets, journal.figures, kept).size();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Zoret");
    const QString path = zoret::journal::defaultPath();
    const long long count = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100'000;
    std::mt19937 random(2026);
    std::vector<JournalBet> generated;
    while (static_cast<long long>(generated.size()) < count)
        if (auto bet = randomBet(random); !zoret::betProblem(bet))
            generated.push_back(std::move(bet));
    if (count > 0) {
        zoret::journal::JournalStore store;
        bool written = store.open(path) == zoret::journal::JournalState::Ready && store.addMany(generated);
        for (const auto& movement : randomMovements(random))
            written = written && store.addMovement(movement);
        if (!written)
            return std::fprintf(stderr, "%s\n", store.message().c_str()), 1;
    }
    std::printf("%s bets and %s movements in %s\n", zoret::countText(count).c_str(),
                zoret::countText(count > 0 ? movementCount : 0).c_str(), path.toStdString().c_str());

    zoret::journal::JournalStore store;
    zoret::JournalSummaries newest, journal;
    std::vector<zoret::BetTexts> rows;
    const double opened = timed([&] { store.open(path); });
    const double first = timed([&] { newest = store.summaries(firstRows).value_or(zoret::JournalSummaries{}); });
    // The rows a window shows at first; the others are made as they scroll into view.
    const double shown = timed([&] {
        for (std::size_t i = 0; i < std::min<std::size_t>(newest.bets.size(), shownRows); ++i)
            rows.push_back(zoret::summaryTexts(newest.bets[i], newest.figures[i]));
    });
    std::vector<zoret::BankMovement> movements;
    const double loaded = timed([&] {
        journal = store.summaries().value_or(zoret::JournalSummaries{});
        movements = store.movements().value_or(std::vector<zoret::BankMovement>{});
    });
    std::size_t sink = rows.size();
    const double everything = timed([&] { sink += summed(journal, movements, {}); });
    const double filtered = timed([&] {
        sink += summed(journal, movements,
                       {zoret::JournalPeriod::ThisYear, std::string("Лига"), zoret::StatusFilter::All, {}, {}});
        sink += zoret::bookmakersUsed(journal.bets).size();
    });
    std::vector<zoret::BetTexts> allRows;
    const double allTexts = timed([&] {
        allRows.reserve(journal.bets.size());
        for (std::size_t i = 0; i < journal.bets.size(); ++i)
            allRows.push_back(zoret::summaryTexts(journal.bets[i], journal.figures[i]));
    });
    std::vector<JournalBet> bets;
    const double wholeBets = timed([&] { bets = store.bets().value_or(std::vector<JournalBet>{}); });
    std::vector<zoret::BetFigures> settled;
    const double settling = timed([&] {
        settled.reserve(bets.size());
        for (const auto& bet : bets)
            settled.push_back(zoret::betFigures(bet));
    });
    sink += allRows.size() + settled.size();
    std::vector<double> saves;
    for (int i = 0; i < 21; ++i)
        saves.push_back(timed([&] { sink += store.add(randomBet(random)).has_value(); }));

    report("open (every page of both tables walked)", opened);
    report("read the newest 200 bets", first);
    report("texts of the first 50 rows", shown);
    report("first rows: open + newest + their texts", opened + first + shown);
    report("load every bet's summary and figures, every movement", loaded);
    report("statistics, balance and curve, all time", everything);
    report("every bet shown: first rows + load + statistics", opened + first + shown + loaded + everything);
    report("statistics, balance and curve after a filter change", filtered);
    report("save one bet (median of 21)", median(saves));
    report("texts of every row", allTexts);
    report("load every bet with its events (export, CSV)", wholeBets);
    report("settle every bet again", settling);
    return sink == 0 ? 1 : 0;
}
