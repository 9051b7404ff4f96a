// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_summary.h"

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the journal sums up over the bets a filter keeps: the figures, the
// profit curve, and the filter itself. The bets and their figures are two
// lists of the same order; a filter gives the positions it keeps, so that
// nothing is settled or copied again when it changes.
namespace zoret {

enum class JournalPeriod { AllTime, ThisMonth, Last30Days, ThisYear };

// The periods in the order the window offers them.
inline constexpr JournalPeriod periodOrder[] = {JournalPeriod::AllTime, JournalPeriod::ThisMonth,
                                                JournalPeriod::Last30Days, JournalPeriod::ThisYear};

// "Всё время", "Этот месяц", "Последние 30 дней", "Этот год".
std::string_view periodCaption(JournalPeriod period);

inline constexpr std::string_view everyBookmakerText = "Все";

struct JournalFilter {
    JournalPeriod period = JournalPeriod::AllTime;
    std::optional<std::string> bookmaker; // nothing keeps every bookmaker
};

// The positions of the bets placed in the period and at the bookmaker, in
// the order of `bets`. "Последние 30 дней" is `today` ("YYYY-MM-DD") and
// the 29 days before; the month and the year are today's, whole. Throws
// std::invalid_argument when `today` is not a date.
std::vector<std::size_t> filteredBets(std::span<const BetSummary> bets, const JournalFilter& filter,
                                      std::string_view today);

// Every bookmaker named in the bets, sorted bytewise, each once; not the
// blank one.
std::vector<std::string> bookmakersUsed(std::span<const BetSummary> bets);

struct JournalStatistics {
    long long count = 0;
    long long settled = 0;
    mpq_class turnover; // the whole stakes of the settled bets
    mpq_class profit; // of the settled bets
    std::optional<mpq_class> roiPercent; // nothing without a settled bet
    std::optional<mpq_class> strikePercent; // settled bets paying more than their stake
    std::optional<mpq_class> averageCoefficient; // plain mean of the full-win coefficients
};

JournalStatistics journalStatistics(std::span<const BetFigures> figures, std::span<const std::size_t> kept);

struct StatisticsTexts {
    std::string count;
    std::string settled;
    std::string turnover;
    std::string profit;
    std::string roi; // "12.50 %", or "—" without a settled bet
    std::string strike;
    std::string averageCoefficient;
};

inline constexpr std::string_view noFigureText = "—";

StatisticsTexts statisticsTexts(const JournalStatistics& statistics);

struct ProfitPoint {
    std::string day; // "YYYY-MM-DD"
    mpq_class profit; // of the settled bets kept placed on this day and before
    double plotted; // the profit to a billionth, for the chart
};

// One point for each day on which a settled bet kept was placed, the days
// ascending: a chart of a hundred thousand bets draws a few hundred.
std::vector<ProfitPoint> profitCurve(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                     std::span<const std::size_t> kept);

} // namespace zoret
