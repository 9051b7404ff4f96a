// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_statistics.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace zoret {

namespace {

// The first and the last day a period keeps, as date texts: placed-at
// texts compare as their dates do, so a prefix comparison is enough.
struct DateSpan {
    std::string first;
    std::string last;
};

std::optional<DateSpan> spanOf(JournalPeriod period, CivilDate today)
{
    switch (period) {
    case JournalPeriod::AllTime:
        return std::nullopt;
    case JournalPeriod::ThisMonth:
        return DateSpan{dateText({today.year, today.month, 1}), dateText({today.year, today.month, 31})};
    case JournalPeriod::Last30Days:
        return DateSpan{dateText(daysBefore(today, 29)), dateText(today)};
    case JournalPeriod::ThisYear:
        break;
    }
    return DateSpan{dateText({today.year, 1, 1}), dateText({today.year, 12, 31})};
}

// To a billionth, near enough for a chart; a profit beyond the doubles
// (a coefficient can be 1E+400) stays at the edge of the chart.
double plottedValue(const mpq_class& value)
{
    const std::string text = fixedText(value, 9);
    double plotted = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), plotted).ec == std::errc::result_out_of_range)
        plotted = value < 0 ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
    return plotted;
}

std::string percentText(const std::optional<mpq_class>& value)
{
    return value ? moneyText(*value) + " %" : std::string(noFigureText);
}

} // namespace

std::string_view periodCaption(JournalPeriod period)
{
    switch (period) {
    case JournalPeriod::AllTime:
        return "Всё время";
    case JournalPeriod::ThisMonth:
        return "Этот месяц";
    case JournalPeriod::Last30Days:
        return "Последние 30 дней";
    case JournalPeriod::ThisYear:
        break;
    }
    return "Этот год";
}

std::vector<std::size_t> filteredBets(std::span<const JournalBet> bets, const JournalFilter& filter,
                                      std::string_view today)
{
    const auto date = readDate(today);
    if (!date)
        throw std::invalid_argument("filteredBets: today is not a date");
    const auto span = spanOf(filter.period, *date);
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < bets.size(); ++i) {
        const std::string_view day = std::string_view(bets[i].placedAt).substr(0, 10);
        if (span && (day < span->first || day > span->last))
            continue;
        if (filter.bookmaker && bets[i].bookmaker != *filter.bookmaker)
            continue;
        kept.push_back(i);
    }
    return kept;
}

std::vector<std::string> bookmakersUsed(std::span<const JournalBet> bets)
{
    std::vector<std::string> names;
    for (const auto& bet : bets)
        if (!bet.bookmaker.empty())
            names.push_back(bet.bookmaker);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

JournalStatistics journalStatistics(std::span<const BetFigures> figures, std::span<const std::size_t> kept)
{
    JournalStatistics s;
    s.count = static_cast<long long>(kept.size());
    long long struck = 0;
    mpq_class coefficients;
    for (const auto i : kept) {
        const BetFigures& f = figures[i];
        if (!f.settled())
            continue;
        ++s.settled;
        s.turnover += f.stake;
        s.profit += f.profit.least;
        struck += f.profit.least > 0 ? 1 : 0;
        coefficients += f.coefficient;
    }
    if (s.settled == 0)
        return s;
    const mpq_class settled(static_cast<long>(s.settled));
    s.roiPercent = mpq_class(100 * s.profit / s.turnover);
    s.strikePercent = mpq_class(100 * mpq_class(static_cast<long>(struck)) / settled);
    s.averageCoefficient = mpq_class(coefficients / settled);
    return s;
}

StatisticsTexts statisticsTexts(const JournalStatistics& s)
{
    return StatisticsTexts{countText(s.count),
                           countText(s.settled),
                           moneyText(s.turnover),
                           moneyText(s.profit),
                           percentText(s.roiPercent),
                           percentText(s.strikePercent),
                           s.averageCoefficient ? moneyText(*s.averageCoefficient) : std::string(noFigureText)};
}

std::vector<ProfitPoint> profitCurve(std::span<const JournalBet> bets, std::span<const BetFigures> figures,
                                     std::span<const std::size_t> kept)
{
    std::vector<std::size_t> settled;
    std::copy_if(kept.begin(), kept.end(), std::back_inserter(settled), [&](auto i) { return figures[i].settled(); });
    std::stable_sort(settled.begin(), settled.end(),
                     [&](auto a, auto b) { return bets[a].placedAt < bets[b].placedAt; });
    std::vector<ProfitPoint> curve;
    curve.reserve(settled.size());
    mpq_class running;
    for (const auto i : settled) {
        running += figures[i].profit.least;
        curve.push_back({i, running, plottedValue(running)});
    }
    return curve;
}

} // namespace zoret
