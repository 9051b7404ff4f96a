// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_payoff.h"

#include "core/typed_number.h"

namespace zoret {

namespace {

constexpr std::array<std::string_view, allMarkets.size()> names{"П1", "Х",  "П2", "1Х",   "12",   "Х2",   "Ф1",
                                                                "Ф2", "ТБ", "ТМ", "ИТ1Б", "ИТ1М", "ИТ2Б", "ИТ2М"};

// How far the score is on the winning side of the line, in quarters of a
// goal: above zero wins, zero refunds, below loses. Results of the match
// have a fixed margin of one quarter either way.
long margin(Market market, long q, Score s)
{
    const long h = s.home, a = s.away;
    switch (market) {
    case Market::Home:
        return h > a ? 1 : -1;
    case Market::Draw:
        return h == a ? 1 : -1;
    case Market::Away:
        return h < a ? 1 : -1;
    case Market::HomeOrDraw:
        return h >= a ? 1 : -1;
    case Market::HomeOrAway:
        return h != a ? 1 : -1;
    case Market::DrawOrAway:
        return h <= a ? 1 : -1;
    case Market::Handicap1:
        return 4 * (h - a) + q;
    case Market::Handicap2:
        return 4 * (a - h) + q;
    case Market::Over:
        return 4 * (h + a) - q;
    case Market::Under:
        return q - 4 * (h + a);
    case Market::HomeOver:
        return 4 * h - q;
    case Market::HomeUnder:
        return q - 4 * h;
    case Market::AwayOver:
        return 4 * a - q;
    case Market::AwayUnder:
        return q - 4 * a;
    }
    return -1;
}

int sign(long v) { return (v > 0) - (v < 0); }

} // namespace

std::string_view marketName(Market market) { return names[std::size_t(market)]; }

std::optional<Market> marketNamed(std::string_view name)
{
    for (Market market : allMarkets)
        if (marketName(market) == name)
            return market;
    return std::nullopt;
}

std::optional<long> readLine(Market market, std::string_view text)
{
    const auto line = readTypedNumber(text);
    if (!line || abs(*line) > maxLineGoals || (marketIsTotal(market) && sgn(*line) < 0))
        return std::nullopt;
    const mpq_class quarters = *line * 4;
    if (quarters.get_den() != 1)
        return std::nullopt;
    return quarters.get_num().get_si();
}

bool marketHasLine(Market market) { return market >= Market::Handicap1; }

bool marketIsTotal(Market market) { return market >= Market::Over; }

// An odd count of quarters is a quarter line: its halves stand on the lines a
// quarter either side, which move the margin by one quarter each way.
LineSettlement settle(Market market, long lineQuarters, Score score)
{
    const long v = margin(market, marketHasLine(market) ? lineQuarters : 0, score);
    const bool quarterLine = marketHasLine(market) && lineQuarters % 2 != 0;
    LineSettlement settled;
    for (long half : quarterLine ? std::array{v - 1, v + 1} : std::array{v, v}) {
        settled.wonHalves += sign(half) > 0;
        settled.lostHalves += sign(half) < 0;
    }
    return settled;
}

} // namespace zoret
