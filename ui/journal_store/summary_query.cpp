// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/journal_store/summary_query.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <utility>
#include <string_view>

namespace zoret::ui {

namespace {

std::string_view textOf(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
                : std::string_view();
}

// A row of the bets' table; false for one this version cannot read.
bool readRow(sqlite3_stmt* statement, BetSummary& summary, BetFigures& figures)
{
    summary.id = sqlite3_column_int64(statement, 0);
    summary.placedAt = textOf(statement, 1);
    summary.bookmaker = textOf(statement, 2);
    summary.note = textOf(statement, 3);
    const auto kind = kindOfCode(textOf(statement, 4));
    summary.bet = {kind.value_or(BetKind::Single), sqlite3_column_int(statement, 5)};
    return kind && sqlite3_column_type(statement, 6) == SQLITE_TEXT
           && readSettledRecord(textOf(statement, 6), summary, figures);
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

SummaryRows readSummaries(sqlite3* handle, std::optional<int> newest)
{
    SummaryRows rows;
    sqlite3_stmt* statement = nullptr;
    std::vector<BetSummary> bets;
    std::vector<BetFigures> figures;
    const std::optional<int> limit = newest ? std::optional(std::max(*newest, 0)) : std::nullopt;
    // Room made first: a rational moved when a list grows is copied. The
    // newest few need no count, which reads the whole of an index.
    int code = SQLITE_ROW;
    if (limit)
        bets.reserve(static_cast<std::size_t>(*limit));
    else if ((code = sqlite3_prepare_v2(handle, "SELECT count(*) FROM bets", -1, &statement, nullptr)) == SQLITE_OK
             && (code = sqlite3_step(statement)) == SQLITE_ROW)
        bets.reserve(static_cast<std::size_t>(sqlite3_column_int64(statement, 0)));
    figures.reserve(bets.capacity());
    sqlite3_finalize(statement);
    statement = nullptr;
    // Every bet in the table's order, which a scan reads fastest, sorted
    // below; the newest few through the index, already in order.
    std::string select = "SELECT id, placed_at, bookmaker, note, kind, system_size, settled FROM bets";
    if (limit)
        select += " ORDER BY placed_at DESC, id DESC LIMIT ?";
    if (code == SQLITE_ROW)
        code = sqlite3_prepare_v2(handle, select.c_str(), -1, &statement, nullptr);
    if (code == SQLITE_OK && limit)
        code = sqlite3_bind_int(statement, 1, *limit);
    while (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        if (!readRow(statement, bets.emplace_back(), figures.emplace_back())) {
            rows.unreadable = bets.back().id;
            break;
        }
        code = SQLITE_OK;
    }
    if (code != SQLITE_DONE && !rows.unreadable) {
        rows.failure = code & 0xFF;
        rows.failureText = sqlite3_errmsg(handle);
    }
    sqlite3_finalize(statement);
    if (rows.failure != 0 || rows.unreadable)
        return rows;
    if (!limit)
        arrangeNewestFirst(bets, figures);
    rows.summaries = {std::move(bets), std::move(figures)};
    return rows;
}

} // namespace zoret::ui
