// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// journal_generator [COUNT]: writes COUNT (100,000 by default; 0 takes the
// journal as it is) random bets of two years into the journal of
// XDG_DATA_HOME, then times what the journal's window does with them:
// opening it, reading the newest bets it shows first and the texts of
// their rows, then every bet's summary, the statistics and the profit
// curve, their recomputation after a filter change, and saving one bet;
// then, for comparison, the texts of every row, and loading and settling
// every bet whole.
#include "bench/timing.h"
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

std::string twoDigits(long long n)
{
    std::string digits = zoret::countText(n);
    if (n < 10)
        digits.insert(digits.begin(), '0');
    return digits;
}

// Mostly singles and short accumulators, some systems; odds as the list
// writes them, sums as typed, a few bets still open.
JournalBet randomBet(std::mt19937& random)
{
    const char* bookmakers[] = {"Лига", "Марафон", "Олимп", "Фонбет", "Винлайн", ""};
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int seconds = pick(86'400);
    JournalBet bet;
    bet.placedAt = zoret::dateText(zoret::daysBefore(today, pick(730))) + " " + twoDigits(seconds / 3600) + ":"
                   + twoDigits(seconds / 60 % 60) + ":" + twoDigits(seconds % 60);
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
        std::string coefficient = " ";
        coefficient += zoret::countText(hundredths / 100);
        coefficient += '.';
        coefficient += twoDigits(hundredths % 100);
        bet.events.push_back(
            {coefficient, pick(40) == 0 ? zoret::Outcome::Open : outcomes[pick(9)], false, pick(3) == 0 ? "П1" : ""});
    }
    return bet;
}

void report(const char* what, double milliseconds)
{
    const mpq_class shown(static_cast<long>(milliseconds * 100), 100);
    std::printf("%-52s %10s ms\n", what, zoret::fixedText(shown, 2).c_str());
}

// The window's work on a filter: the positions kept, their statistics and
// texts, the curve.
std::size_t summed(const zoret::JournalSummaries& journal, const zoret::JournalFilter& filter)
{
    const auto kept = zoret::filteredBets(journal.bets, filter, zoret::dateText(today));
    const auto texts = zoret::statisticsTexts(zoret::journalStatistics(journal.figures, kept));
    return texts.profit.size() + zoret::profitCurve(journal.bets, journal.figures, kept).size();
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
        if (store.open(path) != zoret::journal::JournalState::Ready || !store.addMany(generated))
            return std::fprintf(stderr, "%s\n", store.message().c_str()), 1;
    }
    std::printf("%s bets in %s\n", zoret::countText(count).c_str(), path.toStdString().c_str());

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
    const double loaded = timed([&] { journal = store.summaries().value_or(zoret::JournalSummaries{}); });
    std::size_t sink = rows.size();
    const double everything = timed([&] { sink += summed(journal, {}); });
    const double filtered = timed([&] {
        sink += summed(journal, {zoret::JournalPeriod::ThisYear, std::string("Лига")});
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
    report("load every bet's summary and figures", loaded);
    report("statistics and curve, all time", everything);
    report("every bet shown: first rows + load + statistics", opened + first + shown + loaded + everything);
    report("statistics and curve after a filter change", filtered);
    report("save one bet (median of 21)", median(saves));
    report("texts of every row", allTexts);
    report("load every bet with its events (export, CSV)", wholeBets);
    report("settle every bet again", settling);
    return sink == 0 ? 1 : 0;
}
