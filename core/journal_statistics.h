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

// Dates keeps the days from JournalFilter::from to JournalFilter::to.
enum class JournalPeriod { AllTime, ThisMonth, Last30Days, ThisYear, Dates };

// The periods in the order the window offers them.
inline constexpr JournalPeriod periodOrder[] = {JournalPeriod::AllTime, JournalPeriod::ThisMonth,
                                                JournalPeriod::Last30Days, JournalPeriod::ThisYear,
                                                JournalPeriod::Dates};

// "Всё время", "Этот месяц", "Последние 30 дней", "Этот год", "С … по …".
std::string_view periodCaption(JournalPeriod period);

enum class StatusFilter { All, Open, Settled };
inline constexpr StatusFilter statusOrder[] = {StatusFilter::All, StatusFilter::Open, StatusFilter::Settled};
// "Все", "Открытые", "Рассчитанные".
std::string_view statusFilterCaption(StatusFilter status);

inline constexpr std::string_view everyBookmakerText = "Все";

struct JournalFilter {
    JournalPeriod period = JournalPeriod::AllTime;
    std::optional<std::string> bookmaker; // nothing keeps every bookmaker
    StatusFilter status = StatusFilter::All;
    std::string from, to; // "YYYY-MM-DD", both kept, for JournalPeriod::Dates
};

// The positions of the bets placed in the period, at the bookmaker and of
// the status, in the order of `bets`. "Последние 30 дней" is `today`
// ("YYYY-MM-DD") and the 29 days before; the month and the year are
// today's, whole; dates from after `to` keep nothing. Throws
// std::invalid_argument when `today` (or, for Dates, `from` or `to`) is
// not a date.
std::vector<std::size_t> filteredBets(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                      const JournalFilter& filter, std::string_view today);

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
    std::optional<mpq_class> averageCoefficient; // plain mean over the settled singles and accumulators
    // Over the bets kept that have a closing-line value, open or settled:
    std::optional<mpq_class> clvPercent; // the mean weighted by the whole stakes
    std::optional<mpq_class> beatClosePercent; // the share with a value above 0
    // The largest fall of the profit, bet after bet in the order placed,
    // below a peak before it (the curve starts at 0); 0 when it never fell.
    mpq_class drawdown;
};

JournalStatistics journalStatistics(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                    std::span<const std::size_t> kept);

struct StatisticsTexts {
    std::string count;
    std::string settled;
    std::string turnover;
    std::string profit;
    std::string roi; // "12.50 %", or "—" without a settled bet
    std::string strike;
    std::string averageCoefficient;
    std::string clv; // "+4.40 %", or "—"
    std::string beatClose; // "100.00 %", or "—"
    std::string drawdown;
};

StatisticsTexts statisticsTexts(const JournalStatistics& statistics);

struct ProfitPoint {
    std::string at; // "YYYY-MM-DD", or the placed-at "YYYY-MM-DD HH:MM:SS" when a point is a bet
    mpq_class profit; // of the settled bets kept placed on this day and before
    double plotted; // the profit to a billionth, for the chart
};

// One point for each day on which a settled bet kept was placed, the days
// ascending: a chart of a hundred thousand bets draws a few hundred. When
// they were all placed on one day, one point a bet, in the order placed.
std::vector<ProfitPoint> profitCurve(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                     std::span<const std::size_t> kept);

} // namespace zoret
