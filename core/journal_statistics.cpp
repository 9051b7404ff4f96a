// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_statistics.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"
#include "core/fraction_sum.h"
#include "core/percent_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <unordered_set>
#include <utility>

namespace zoret {

namespace {

// The first and the last day a period keeps, as date texts: placed-at
// texts compare as their dates do, so a prefix comparison is enough.
struct DateSpan {
    std::string first;
    std::string last;
};

std::optional<DateSpan> spanOf(const JournalFilter& filter, CivilDate today)
{
    switch (filter.period) {
    case JournalPeriod::AllTime:
        return std::nullopt;
    case JournalPeriod::ThisMonth:
        return DateSpan{dateText({today.year, today.month, 1}), dateText({today.year, today.month, 31})};
    case JournalPeriod::Last30Days:
        return DateSpan{dateText(daysBefore(today, 29)), dateText(today)};
    case JournalPeriod::ThisYear:
        return DateSpan{dateText({today.year, 1, 1}), dateText({today.year, 12, 31})};
    case JournalPeriod::Dates:
        break;
    }
    if (!readDate(filter.from) || !readDate(filter.to))
        throw std::invalid_argument("filteredBets: the period's dates are not dates");
    return DateSpan{filter.from, filter.to};
}

bool keptStatus(StatusFilter status, const BetFigures& figures)
{
    return status == StatusFilter::All || (status == StatusFilter::Settled) == figures.settled();
}

// The settled bets of `kept` in the order they were placed, ties by id:
// the journal lists the newest first, so most often the list turned round.
std::vector<std::size_t> settledInOrder(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                        std::span<const std::size_t> kept)
{
    std::vector<std::size_t> settled;
    settled.reserve(kept.size());
    std::copy_if(kept.begin(), kept.end(), std::back_inserter(settled), [&](auto i) { return figures[i].settled(); });
    const auto before = [&](std::size_t a, std::size_t b) {
        const int order = bets[a].placedAt.compare(bets[b].placedAt);
        return order < 0 || (order == 0 && bets[a].id < bets[b].id);
    };
    if (std::is_sorted(settled.rbegin(), settled.rend(), before))
        std::reverse(settled.begin(), settled.end());
    else if (!std::is_sorted(settled.begin(), settled.end(), before))
        std::sort(settled.begin(), settled.end(), before);
    return settled;
}

// The largest fall of the running profit below a peak before it, in
// integers over the running sum's common denominator: a hundred thousand
// bets take no greatest common divisor of the sums.
mpq_class drawdownOf(std::span<const BetFigures> figures, std::span<const std::size_t> inOrder)
{
    FractionSum running;
    mpz_class peak, fall, largest, common = 1, scale;
    for (const auto i : inOrder) {
        running.add(figures[i].profit.least);
        if (running.common() != common) {
            mpz_divexact(scale.get_mpz_t(), running.common().get_mpz_t(), common.get_mpz_t());
            peak *= scale, largest *= scale, common = running.common();
        }
        if (running.numerator() > peak) {
            peak = running.numerator();
            continue;
        }
        fall = peak - running.numerator();
        if (fall > largest)
            swap(fall, largest);
    }
    mpq_class value(largest, common);
    value.canonicalize();
    return value;
}

// To a billionth, near enough for a chart: the billionths, rounded halves
// away from zero, are an integer, and below 2^53 one division rounds it as
// reading its decimal text would. Beyond, where a double cannot tell
// billionths apart, the value itself cut to a double; a profit beyond the
// doubles (a coefficient can be 1E+400) stays at the edge of the chart.
class Plotter {
public:
    double operator()(const mpq_class& value)
    {
        mpz_abs(units_.get_mpz_t(), value.get_num_mpz_t());
        mpz_mul_ui(units_.get_mpz_t(), units_.get_mpz_t(), 2'000'000'000);
        mpz_add(units_.get_mpz_t(), units_.get_mpz_t(), value.get_den_mpz_t());
        mpz_mul_2exp(twice_.get_mpz_t(), value.get_den_mpz_t(), 1);
        mpz_tdiv_q(units_.get_mpz_t(), units_.get_mpz_t(), twice_.get_mpz_t());
        if (mpz_sizeinbase(units_.get_mpz_t(), 2) <= 53) {
            const double plotted = units_.get_d() / 1e9;
            return value < 0 && plotted != 0 ? -plotted : plotted;
        }
        const double plotted = value.get_d();
        if (std::isfinite(plotted))
            return plotted;
        return value < 0 ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
    }

private:
    mpz_class units_;
    mpz_class twice_; // the denominator twice: halves round away from zero
};

std::string percentFigure(const std::optional<mpq_class>& percent)
{
    return percent ? percentText(*percent / 100) : std::string(noFigureText);
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
        return "Этот год";
    case JournalPeriod::Dates:
        break;
    }
    return "С … по …";
}

std::string_view statusFilterCaption(StatusFilter status)
{
    switch (status) {
    case StatusFilter::All:
        return "Все";
    case StatusFilter::Open:
        return "Открытые";
    case StatusFilter::Settled:
        break;
    }
    return "Рассчитанные";
}

std::vector<std::size_t> filteredBets(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                      const JournalFilter& filter, std::string_view today)
{
    const auto date = readDate(today);
    if (!date)
        throw std::invalid_argument("filteredBets: today is not a date");
    const auto span = spanOf(filter, *date);
    std::vector<std::size_t> kept;
    kept.reserve(bets.size());
    for (std::size_t i = 0; i < bets.size(); ++i) {
        const std::string_view day = std::string_view(bets[i].placedAt).substr(0, 10);
        if (span && (day < span->first || day > span->last))
            continue;
        if (filter.bookmaker && bets[i].bookmaker != *filter.bookmaker)
            continue;
        if (!keptStatus(filter.status, figures[i]))
            continue;
        kept.push_back(i);
    }
    return kept;
}

std::vector<std::string> bookmakersUsed(std::span<const BetSummary> bets)
{
    std::unordered_set<std::string_view> seen;
    for (const auto& bet : bets)
        if (!bet.bookmaker.empty())
            seen.insert(bet.bookmaker);
    std::vector<std::string> names(seen.begin(), seen.end());
    std::sort(names.begin(), names.end());
    return names;
}

JournalStatistics journalStatistics(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                    std::span<const std::size_t> kept)
{
    JournalStatistics s;
    s.count = static_cast<long long>(kept.size());
    long long struck = 0, oneLine = 0, withClv = 0, beatClose = 0;
    FractionSum turnover, profit, coefficients, clvStakes, clvWeighted;
    mpq_class weighted;
    for (const auto i : kept) {
        const BetFigures& f = figures[i];
        if (f.clv) {
            ++withClv;
            beatClose += *f.clv > 0 ? 1 : 0;
            clvStakes.add(f.stake);
            mpq_mul(weighted.get_mpq_t(), f.stake.get_mpq_t(), f.clv->get_mpq_t());
            clvWeighted.add(weighted);
        }
        if (!f.settled())
            continue;
        ++s.settled;
        turnover.add(f.stake);
        profit.add(f.profit.least);
        struck += f.profit.least > 0 ? 1 : 0;
        if (bets[i].bet.kind != BetKind::System)
            ++oneLine, coefficients.add(f.coefficient);
    }
    s.turnover = turnover.total();
    s.profit = profit.total();
    s.drawdown = drawdownOf(figures, settledInOrder(bets, figures, kept));
    if (withClv > 0) {
        s.clvPercent = mpq_class(100 * clvWeighted.total() / clvStakes.total());
        s.beatClosePercent = mpq_class(100 * mpq_class(static_cast<long>(beatClose)) / static_cast<long>(withClv));
    }
    if (oneLine > 0)
        s.averageCoefficient = mpq_class(coefficients.total() / static_cast<long>(oneLine));
    if (s.settled == 0)
        return s;
    s.roiPercent = mpq_class(100 * s.profit / s.turnover);
    s.strikePercent = mpq_class(100 * mpq_class(static_cast<long>(struck)) / static_cast<long>(s.settled));
    return s;
}

StatisticsTexts statisticsTexts(const JournalStatistics& s)
{
    return StatisticsTexts{countText(s.count),
                           countText(s.settled),
                           moneyText(s.turnover),
                           moneyText(s.profit),
                           percentFigure(s.roiPercent),
                           percentFigure(s.strikePercent),
                           s.averageCoefficient ? moneyText(*s.averageCoefficient) : std::string(noFigureText),
                           s.clvPercent ? signedPercentText(*s.clvPercent / 100) : std::string(noFigureText),
                           percentFigure(s.beatClosePercent),
                           moneyText(s.drawdown)};
}

std::vector<ProfitPoint> profitCurve(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                     std::span<const std::size_t> kept)
{
    const std::vector<std::size_t> settled = settledInOrder(bets, figures, kept);
    const auto dayOf = [&](std::size_t i) { return std::string_view(bets[i].placedAt).substr(0, 10); };
    // Bets of one day are a point each, at the time placed.
    const bool oneDay = !settled.empty() && dayOf(settled.front()) == dayOf(settled.back());
    const auto pointOf = [&](std::size_t i) { return oneDay ? std::string_view(bets[i].placedAt) : dayOf(i); };
    std::vector<ProfitPoint> curve;
    FractionSum running;
    Plotter plotted;
    for (auto bet = settled.begin(); bet != settled.end();) {
        const std::string_view at = pointOf(*bet);
        running.add(figures[*bet].profit.least);
        for (++bet; bet != settled.end() && !oneDay && pointOf(*bet) == at; ++bet)
            running.add(figures[*bet].profit.least);
        mpq_class profit = running.total();
        const double point = plotted(profit);
        curve.push_back({std::string(at), std::move(profit), point});
    }
    return curve;
}

} // namespace zoret
