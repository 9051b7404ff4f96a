// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_statistics.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"
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

// Adds fractions over one common denominator, the least multiple of
// every denominator added so far, and reduces the sum only when it is
// read: the journal's denominators are a few (cents, the odds' decimals, a
// system's lines), so the common one stays small, and no term costs a
// greatest common divisor of the whole sum.
class FractionSum {
public:
    void add(const mpq_class& value)
    {
        const mpz_srcptr denominator = value.get_den_mpz_t();
        if (!mpz_divisible_p(common_.get_mpz_t(), denominator)) {
            mpz_gcd(scale_.get_mpz_t(), common_.get_mpz_t(), denominator);
            mpz_divexact(scale_.get_mpz_t(), denominator, scale_.get_mpz_t());
            numerator_ *= scale_;
            common_ *= scale_;
        }
        mpz_divexact(scale_.get_mpz_t(), common_.get_mpz_t(), denominator);
        mpz_addmul(numerator_.get_mpz_t(), value.get_num_mpz_t(), scale_.get_mpz_t());
    }
    mpq_class total() const
    {
        mpq_class sum(numerator_, common_);
        sum.canonicalize();
        return sum;
    }

private:
    mpz_class numerator_;
    mpz_class common_ = 1;
    mpz_class scale_;
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
        break;
    }
    return "Этот год";
}

std::vector<std::size_t> filteredBets(std::span<const BetSummary> bets, const JournalFilter& filter,
                                      std::string_view today)
{
    const auto date = readDate(today);
    if (!date)
        throw std::invalid_argument("filteredBets: today is not a date");
    const auto span = spanOf(filter.period, *date);
    std::vector<std::size_t> kept;
    kept.reserve(bets.size());
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

JournalStatistics journalStatistics(std::span<const BetFigures> figures, std::span<const std::size_t> kept)
{
    JournalStatistics s;
    s.count = static_cast<long long>(kept.size());
    long long struck = 0;
    FractionSum turnover, profit, coefficients;
    for (const auto i : kept) {
        const BetFigures& f = figures[i];
        if (!f.settled())
            continue;
        ++s.settled;
        turnover.add(f.stake);
        profit.add(f.profit.least);
        struck += f.profit.least > 0 ? 1 : 0;
        coefficients.add(f.coefficient);
    }
    s.turnover = turnover.total();
    s.profit = profit.total();
    if (s.settled == 0)
        return s;
    const mpq_class settled(static_cast<long>(s.settled));
    s.roiPercent = mpq_class(100 * s.profit / s.turnover);
    s.strikePercent = mpq_class(100 * mpq_class(static_cast<long>(struck)) / settled);
    s.averageCoefficient = mpq_class(coefficients.total() / settled);
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
                           s.averageCoefficient ? moneyText(*s.averageCoefficient) : std::string(noFigureText)};
}

std::vector<ProfitPoint> profitCurve(std::span<const BetSummary> bets, std::span<const BetFigures> figures,
                                     std::span<const std::size_t> kept)
{
    std::vector<std::size_t> settled;
    settled.reserve(kept.size());
    std::copy_if(kept.begin(), kept.end(), std::back_inserter(settled), [&](auto i) { return figures[i].settled(); });
    const auto dayOf = [&](std::size_t i) { return std::string_view(bets[i].placedAt).substr(0, 10); };
    const auto later = [&](std::size_t a, std::size_t b) { return dayOf(a) > dayOf(b); };
    // The journal lists the newest first: turned round, its days ascend.
    // The order within a day does not change the day's sum.
    if (std::is_sorted(settled.begin(), settled.end(), later))
        std::reverse(settled.begin(), settled.end());
    else
        std::sort(settled.begin(), settled.end(), [&](auto a, auto b) { return later(b, a); });
    std::vector<ProfitPoint> curve;
    FractionSum running;
    Plotter plotted;
    for (auto bet = settled.begin(); bet != settled.end();) {
        const std::string_view day = dayOf(*bet);
        for (; bet != settled.end() && dayOf(*bet) == day; ++bet)
            running.add(figures[*bet].profit.least);
        mpq_class profit = running.total();
        const double point = plotted(profit);
        curve.push_back({std::string(day), std::move(profit), point});
    }
    return curve;
}

} // namespace zoret
