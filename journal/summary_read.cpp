// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal/summary_read.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace zoret::journal {

namespace {

constexpr const char* selectSummaries =
    "SELECT id, placed_at, bookmaker, note, kind, system_size, settled, descriptions FROM bets";

// A row of selectSummaries; false for one this version cannot read.
bool readRow(const Statement& row, BetSummary& summary, BetFigures& figures)
{
    summary.id = row.integer(0);
    summary.placedAt = row.text(1);
    summary.bookmaker = row.text(2);
    summary.note = row.text(3);
    const auto kind = kindOfCode(row.text(4));
    summary.bet = {kind.value_or(BetKind::Single), static_cast<int>(row.integer(5))};
    summary.descriptions = row.text(7);
    return kind && row.isText(6) && readSettledRecord(row.text(6), summary, figures);
}

// "YYYY-MM-DD HH:MM:SS" as the number YYYYMMDDHHMMSS, which sorts as the
// text does and compares at once.
std::uint64_t placedKey(std::string_view placedAt)
{
    std::uint64_t key = 0;
    for (const char c : placedAt)
        if (c >= '0' && c <= '9')
            key = key * 10 + static_cast<std::uint64_t>(c - '0');
    return key;
}

void swapFigures(BetFigures& a, BetFigures& b)
{
    std::swap(a.status, b.status);
    for (auto [x, y] : {std::pair{&a.coefficient, &b.coefficient}, std::pair{&a.stake, &b.stake},
                        std::pair{&a.payout.least, &b.payout.least}, std::pair{&a.payout.most, &b.payout.most},
                        std::pair{&a.profit.least, &b.profit.least}, std::pair{&a.profit.most, &b.profit.most}})
        x->swap(*y);
    a.clv.swap(b.clv);
}

// Puts the bets newest first, in place and by swaps: a rational moved is
// allocated anew, one swapped is not.
void arrangeNewestFirst(std::vector<BetSummary>& bets, std::vector<BetFigures>& figures)
{
    struct Place {
        std::uint64_t key;
        std::int64_t id;
        std::size_t at;
    };
    std::vector<Place> order;
    order.reserve(bets.size());
    for (std::size_t i = 0; i < bets.size(); ++i)
        order.push_back({placedKey(bets[i].placedAt), bets[i].id, i});
    std::sort(order.begin(), order.end(),
              [](const Place& a, const Place& b) { return a.key != b.key ? a.key > b.key : a.id > b.id; });
    // Each cycle of the permutation: every swap puts one bet in its place.
    std::vector<bool> placed(bets.size());
    for (std::size_t start = 0; start < bets.size(); ++start)
        for (std::size_t i = start; !placed[i]; i = order[i].at) {
            placed[i] = true;
            if (order[i].at == start)
                break;
            std::swap(bets[i], bets[order[i].at]);
            swapFigures(figures[i], figures[order[i].at]);
        }
}

} // namespace

SummaryRows readSummaries(Connection& connection, std::optional<int> newest)
{
    SummaryRows rows;
    std::vector<BetSummary> bets;
    std::vector<BetFigures> figures;
    const bool few = newest.has_value();
    const int limit = few ? std::max(*newest, 0) : 0;
    // Room made first: a rational moved when a list grows is copied. The
    // newest few need no count, which reads the whole of an index.
    if (few)
        bets.reserve(static_cast<std::size_t>(limit));
    else if (const auto count = connection.integer("SELECT count(*) FROM bets"))
        bets.reserve(static_cast<std::size_t>(*count));
    else
        return rows.failed = true, rows;
    figures.reserve(bets.capacity());
    // Every bet in the table's order, which a scan reads fastest, sorted
    // below; the newest few through the index, already in order.
    Statement select(connection, few ? std::string(selectSummaries) + " ORDER BY placed_at DESC, id DESC LIMIT ?1"
                                     : std::string(selectSummaries));
    if (few)
        select.bind(1, std::int64_t{limit});
    while (select.step())
        if (!readRow(select, bets.emplace_back(), figures.emplace_back()))
            return rows.unreadable = bets.back().id, rows;
    if ((rows.failed = select.failed()))
        return rows;
    if (!few)
        arrangeNewestFirst(bets, figures);
    rows.summaries = {std::move(bets), std::move(figures)};
    return rows;
}

} // namespace zoret::journal
