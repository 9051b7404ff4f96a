// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_summary.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"
#include "core/percent_text.h"
#include "core/settlement_captions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace zoret {

namespace {

constexpr std::array<std::pair<BetStatus, std::string_view>, 5> statusCodes{{{BetStatus::Open, "open"},
                                                                             {BetStatus::Lost, "lost"},
                                                                             {BetStatus::Returned, "returned"},
                                                                             {BetStatus::Won, "won"},
                                                                             {BetStatus::Partial, "partial"}}};

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != ' ' && c != '\t'; });
    return out;
}

std::string betDescription(const BetSummary& s)
{
    switch (s.bet.kind) {
    case BetKind::Single:
        return betCaption(s.bet, 1) + " " + s.firstCoefficient;
    case BetKind::Accumulator:
        return betCaption(s.bet, 0) + " из " + countText(s.events);
    case BetKind::System:
        break;
    }
    return betCaption(s.bet, s.events - s.bankers);
}

// The descriptions written, on one line joined by "; " for the cell and one
// a line for its tooltip; empty ones are left out.
std::pair<std::string, std::string> eventsTexts(std::string_view descriptions)
{
    std::string cell, tip;
    for (std::size_t start = 0;;) {
        const auto end = descriptions.find('\n', start);
        const std::string_view one = descriptions.substr(start, end - start);
        if (!one.empty()) {
            cell += (cell.empty() ? "" : "; ") + std::string(one);
            tip += (tip.empty() ? "" : "\n") + std::string(one);
        }
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return {std::move(cell), std::move(tip)};
}

std::string_view clvTipOf(const BetSummary& summary, const BetFigures& figures)
{
    if (figures.clv)
        return {};
    return summary.bet.kind == BetKind::System ? "У системы нет одной линии закрытия"
                                               : "Не у всех событий есть коэф. закрытия";
}

void appendFraction(std::string& out, const mpq_class& value)
{
    out += value.get_num().get_str();
    out += '/';
    out += value.get_den().get_str();
    out += ' ';
}

// The fields of a record, each taken off its front up to the next blank.
class Fields {
public:
    explicit Fields(std::string_view record) : rest_(record) {}

    std::string_view next()
    {
        const auto blank = rest_.find(' ');
        const std::string_view field = rest_.substr(0, blank);
        rest_ = blank == std::string_view::npos ? std::string_view() : rest_.substr(blank + 1);
        return field;
    }
    std::string_view rest() const { return rest_; }

    bool count(int& value)
    {
        const auto field = next();
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        return error == std::errc() && end == field.data() + field.size() && value >= 0 && !field.empty();
    }

    // "n/d" as written in lowest terms; most fit a long and skip GMP's
    // reading. A fraction that is not in lowest terms (the file was
    // written by something else) still has its value in every sum and
    // comparison, so it is not reduced here, at a cost for every bet.
    bool fraction(mpq_class& value)
    {
        const auto field = next();
        const auto slash = field.find('/');
        return slash != std::string_view::npos && integer(field.substr(0, slash), value.get_num_mpz_t(), true)
               && integer(field.substr(slash + 1), value.get_den_mpz_t(), false) && value.get_den() > 0;
    }

    // "-" for none, else a fraction above -1 (the odds taken are above 0),
    // never a system's.
    bool closingLineValue(std::optional<mpq_class>& value, BetKind kind)
    {
        if (rest_.starts_with("- ") || rest_ == "-")
            return next(), value.reset(), true;
        value.emplace();
        return kind != BetKind::System && fraction(*value) && *value > -1;
    }

private:
    // Digits, with a minus sign before them when `signedValue`.
    static bool integer(std::string_view digits, mpz_ptr value, bool signedValue)
    {
        const char* end = digits.data() + digits.size();
        long small = 0;
        const auto read = std::from_chars(digits.data(), end, small);
        if (read.ptr != end || digits.empty() || (!signedValue && digits.front() == '-'))
            return false;
        if (read.ec == std::errc()) {
            // A new zero holds no digits: setting it would allocate some.
            if (small != 0 || mpz_sgn(value) != 0)
                mpz_set_si(value, small);
            return true;
        }
        return read.ec == std::errc::result_out_of_range && mpz_set_str(value, std::string(digits).c_str(), 10) == 0;
    }

    std::string_view rest_;
};

bool readStatus(std::string_view code, BetStatus& status)
{
    for (const auto& [value, known] : statusCodes)
        if (known == code)
            return status = value, true;
    return false;
}

std::string_view statusCode(BetStatus status)
{
    for (const auto& [value, code] : statusCodes)
        if (value == status)
            return code;
    return {};
}

} // namespace

BetSummary summaryOf(const JournalBet& bet)
{
    const auto bankers = std::count_if(bet.events.begin(), bet.events.end(), [](const auto& e) { return e.banker; });
    std::string descriptions;
    for (const auto& event : bet.events)
        descriptions += (&event == &bet.events.front() ? "" : "\n") + oneLineText(event.description);
    return BetSummary{bet.id,
                      bet.placedAt,
                      bet.bookmaker,
                      bet.note,
                      bet.bet,
                      static_cast<int>(bet.events.size()),
                      static_cast<int>(bankers),
                      bet.events.empty() ? std::string() : withoutBlanks(bet.events.front().coefficientText),
                      std::move(descriptions)};
}

BetTexts summaryTexts(const BetSummary& summary, const BetFigures& figures)
{
    auto [events, eventsTip] = eventsTexts(summary.descriptions);
    return BetTexts{summary.placedAt.substr(0, 16),
                    oneLineText(summary.bookmaker),
                    oneLineText(summary.note),
                    betDescription(summary),
                    std::move(events),
                    std::move(eventsTip),
                    moneyText(figures.coefficient),
                    moneyText(figures.stake),
                    std::string(statusCaption(figures.status)),
                    rangeText(figures.payout),
                    rangeText(figures.profit),
                    figures.clv ? signedPercentText(*figures.clv) : std::string(noFigureText),
                    std::string(clvTipOf(summary, figures))};
}

std::string settledRecord(const BetSummary& summary, const BetFigures& figures)
{
    std::string out(statusCode(figures.status));
    out += ' ' + countText(summary.events) + ' ' + countText(summary.bankers) + ' ';
    for (const mpq_class* value : {&figures.coefficient, &figures.stake, &figures.payout.least, &figures.payout.most,
                                   &figures.profit.least, &figures.profit.most})
        appendFraction(out, *value);
    if (figures.clv)
        appendFraction(out, *figures.clv);
    else
        out += "- ";
    return out + summary.firstCoefficient;
}

bool readSettledRecord(std::string_view record, BetSummary& summary, BetFigures& figures)
{
    Fields fields(record);
    if (!readStatus(fields.next(), figures.status) || !fields.count(summary.events) || !fields.count(summary.bankers))
        return false;
    for (mpq_class* value : {&figures.coefficient, &figures.stake, &figures.payout.least, &figures.payout.most,
                             &figures.profit.least, &figures.profit.most})
        if (!fields.fraction(*value))
            return false;
    if (!fields.closingLineValue(figures.clv, summary.bet.kind))
        return false;
    summary.firstCoefficient = fields.rest();
    if (figures.stake <= 0 || summary.events == 0 || !isDateTimeText(summary.placedAt))
        return false;
    // The caption is named after the sizes, which must be ones the events
    // offer; only a system's need the list of them.
    switch (summary.bet.kind) {
    case BetKind::Single:
        return summary.events == 1 && summary.bet.size == 0;
    case BetKind::Accumulator:
        return summary.events > 1 && summary.bet.size == 0;
    case BetKind::System:
        break;
    }
    const auto offered = offeredBets(summary.events, summary.bankers);
    return std::find(offered.begin(), offered.end(), summary.bet) != offered.end();
}

} // namespace zoret
