// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/score_classes.h"

#include "core/exact_decimal.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

namespace zoret {

namespace {

// What a bet reads of the score: the home side's margin, the total, or the
// goals of one side.
enum Measure { Margin, Total, HomeGoals, AwayGoals, measureCount };

Measure measureOf(Market market)
{
    switch (market) {
    case Market::Over:
    case Market::Under:
        return Total;
    case Market::HomeOver:
    case Market::HomeUnder:
        return HomeGoals;
    case Market::AwayOver:
    case Market::AwayUnder:
        return AwayGoals;
    default:
        return Margin;
    }
}

// Where the bet turns, in quarters of the measure: Ф1(x) at a margin of -x,
// the results of the match at a margin of 0.
long turnQuarters(const MarketLine& bet)
{
    if (!marketHasLine(bet.market))
        return 0;
    return bet.market == Market::Handicap1 ? -bet.lineQuarters : bet.lineQuarters;
}

long floorDiv(long a, long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// A score whose measure is `value` (a margin of -2 is 0:2).
Score scoreAt(Measure measure, long value)
{
    switch (measure) {
    case Margin:
        return value >= 0 ? Score{value, 0} : Score{0, -value};
    case AwayGoals:
        return {0, value};
    default:
        return {value, 0};
    }
}

// A run of whole values of one measure.
using Cell = ValueRange;

std::vector<LineSettlement> settledAt(std::span<const MarketLine> bets, Measure measure, long value)
{
    std::vector<LineSettlement> settled;
    for (const auto& bet : bets)
        if (measureOf(bet.market) == measure)
            settled.push_back(settle(bet.market, bet.lineQuarters, scoreAt(measure, value)));
    return settled;
}

// A bet's halves settle alike on every value more than a quarter away from
// where it turns: the values next to each turn cut the measure into runs, and
// neighbouring runs that every bet on it settles alike are one. Highest first.
std::vector<Cell> cellsOf(std::span<const MarketLine> bets, Measure measure)
{
    const std::optional<long> floor = measure == Margin ? std::nullopt : std::optional<long>(0);
    std::set<long> pivots;
    for (const auto& bet : bets)
        if (measureOf(bet.market) == measure)
            for (long q = turnQuarters(bet), n = floorDiv(q - 1, 4); 4 * n <= q + 4; ++n)
                if (!floor || n >= *floor)
                    pivots.insert(n);
    std::vector<Cell> cells;
    std::optional<long> start = floor;
    for (long p : pivots) {
        if (!start || *start < p)
            cells.push_back({start, p - 1});
        cells.push_back({p, p});
        start = p + 1;
    }
    cells.push_back({start, std::nullopt});
    std::vector<Cell> merged;
    for (const Cell& cell : cells)
        if (!merged.empty()
            && settledAt(bets, measure, *merged.back().hi) == settledAt(bets, measure, cell.hi.value_or(*cell.lo)))
            merged.back().hi = cell.hi;
        else
            merged.push_back(cell);
    std::reverse(merged.begin(), merged.end());
    return merged;
}

// Bounds on the margin, the total, the home goals and the away goals.
using Bounds = std::array<Cell, measureCount>;

long lowOr(const Cell& c, long otherwise) { return c.lo.value_or(otherwise); }
long highOr(const Cell& c, long otherwise) { return c.hi.value_or(otherwise); }

// A score within the bounds, if any. With every bound at most m from 0, a
// score with more than 3m + 3 goals on one side can lose a goal on that side,
// or one on each, and stay within them: so the goals can be bounded by
// `big`. For a home goals count h the away goals lie in [L(h), U(h)], L
// convex and U concave, piecewise linear: U - L is largest at an end or
// next to a kink.
std::optional<Score> scoreWithin(const Bounds& b, long big)
{
    const long hl = std::max(0L, lowOr(b[HomeGoals], 0)), hh = std::min(big, highOr(b[HomeGoals], big));
    const long al = std::max(0L, lowOr(b[AwayGoals], 0)), ah = std::min(big, highOr(b[AwayGoals], big));
    const long dl = lowOr(b[Margin], -2 * big), dh = highOr(b[Margin], 2 * big);
    const long tl = std::max(0L, lowOr(b[Total], 0)), th = highOr(b[Total], 2 * big);
    std::vector<long> candidates{hl, hh};
    for (long twice : {2 * (al + dh), 2 * (tl - al), tl + dh, 2 * (ah + dl), 2 * (th - ah), th + dl})
        candidates.insert(candidates.end(), {floorDiv(twice, 2), floorDiv(twice + 1, 2)});
    for (long h : candidates) {
        if (h < hl || h > hh)
            continue;
        const long lo = std::max({al, h - dh, tl - h}), hi = std::min({ah, h - dl, th - h});
        if (lo <= hi)
            return Score{h, lo};
    }
    return std::nullopt;
}

std::string capitalised(std::string text)
{
    // Cyrillic а..п are D0 B0..BF, р..я D1 80..8F; their capitals D0 90..AF.
    if (text.size() >= 2 && std::uint8_t(text[0]) == 0xD0 && std::uint8_t(text[1]) >= 0xB0)
        text[1] = char(std::uint8_t(text[1]) - 0x20);
    else if (text.size() >= 2 && std::uint8_t(text[0]) == 0xD1 && std::uint8_t(text[1]) <= 0x8F)
        text[0] = char(0xD0), text[1] = char(std::uint8_t(text[1]) + 0x20);
    return text;
}

// "2", "2+", "1–3".
std::string spanText(long lo, std::optional<long> hi)
{
    if (!hi)
        return countText(lo) + "+";
    return lo == *hi ? countText(lo) : countText(lo) + "–" + countText(*hi);
}

std::string signedText(long n) { return n > 0 ? "+" + countText(n) : countText(n); }

std::string marginText(const Cell& c)
{
    if (c.lo && *c.lo >= 1)
        return *c.lo == 1 && !c.hi ? "победа 1" : "победа 1 с разницей " + spanText(*c.lo, c.hi);
    if (c.hi && *c.hi <= -1) {
        if (!c.lo)
            return *c.hi == -1 ? "победа 2" : "победа 2 с разницей " + spanText(-*c.hi, std::nullopt);
        return "победа 2 с разницей " + spanText(-*c.hi, -*c.lo);
    }
    if (c.lo == 0 && c.hi == 0)
        return "ничья";
    if (c.lo == 0 && !c.hi)
        return "ничья или победа 1";
    if (!c.lo && c.hi == 0)
        return "ничья или победа 2";
    if (!c.lo)
        return "разница " + signedText(*c.hi) + " и меньше";
    if (!c.hi)
        return "разница " + signedText(*c.lo) + " и больше";
    return "разница от " + signedText(*c.lo) + " до " + signedText(*c.hi);
}

std::string cellText(Measure measure, const Cell& c)
{
    switch (measure) {
    case Margin:
        return marginText(c);
    case Total:
        return "тотал " + spanText(*c.lo, c.hi);
    case HomeGoals:
        return "голы хозяев " + spanText(*c.lo, c.hi);
    default:
        return "голы гостей " + spanText(*c.lo, c.hi);
    }
}

struct Search {
    std::span<const MarketLine> bets;
    std::array<std::vector<Cell>, measureCount> cells;
    long big = 0;
    std::vector<ScoreClass> found;

    void walk(int measure, Bounds bounds, std::string caption)
    {
        if (measure == measureCount) {
            const auto score = scoreWithin(bounds, big);
            if (!score)
                return;
            ScoreClass c{*score,
                         caption.empty() ? "Любой счёт" : capitalised(caption),
                         {},
                         bounds[Margin],
                         bounds[Total],
                         bounds[HomeGoals],
                         bounds[AwayGoals]};
            for (const auto& bet : bets)
                c.settlements.push_back(settle(bet.market, bet.lineQuarters, *score));
            found.push_back(std::move(c));
            return;
        }
        const bool used = cells[measure].size() > 1;
        for (const Cell& cell : cells[measure]) {
            bounds[measure] = cell;
            if (used && !scoreWithin(bounds, big))
                continue;
            walk(measure + 1, bounds,
                 !used             ? caption
                 : caption.empty() ? cellText(Measure(measure), cell)
                                   : caption + ", " + cellText(Measure(measure), cell));
        }
    }
};

} // namespace

std::vector<ScoreClass> scoreClasses(std::span<const MarketLine> bets)
{
    Search search{bets, {}, 0, {}};
    long most = 0;
    for (int m = 0; m < measureCount; ++m) {
        search.cells[m] = cellsOf(bets, Measure(m));
        for (const Cell& c : search.cells[m])
            most = std::max({most, std::abs(c.lo.value_or(0)), std::abs(c.hi.value_or(0))});
    }
    search.big = 3 * most + 4;
    search.walk(Margin, Bounds{}, "");
    return search.found;
}

} // namespace zoret
