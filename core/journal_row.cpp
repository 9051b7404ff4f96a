// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_row.h"

#include "core/exact_decimal.h"
#include "core/journal_summary.h"

#include <algorithm>
#include <span>
#include <stdexcept>

namespace zoret {

namespace {

// A single's or an accumulator's odds multiply; a system's figure is the
// main window's, the sum over its accumulators (bankers in each): with
// every event won each line pays its stake times its accumulator, so the
// whole payout over one line's stake is that sum.
mpq_class fullWinCoefficient(std::vector<SlipEvent> events, const JournalBet& bet, const mpq_class& sum)
{
    mpq_class product = 1;
    for (auto& event : events) {
        event.outcome = Outcome::Won;
        product *= event.coefficient;
    }
    if (bet.bet.kind != BetKind::System)
        return product;
    const Settlement won = settle(events, bet.bet, sum, bet.sumMode);
    return won.payout.most / won.lineStake;
}

// The odds taken over the closing odds, less 1, for a bet of one line whose
// every event has closing odds.
std::optional<mpq_class> closingLineValue(const JournalBet& bet, std::span<const SlipEvent> events)
{
    if (bet.bet.kind == BetKind::System)
        return std::nullopt;
    mpq_class taken = 1, closing = 1;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto odds = closingOdds(bet.events[i].closingText);
        if (!odds)
            return std::nullopt;
        taken *= events[i].coefficient;
        closing *= *odds;
    }
    return mpq_class(taken / closing - 1);
}

BetStatus statusOf(const JournalBet& bet, const Settlement& s)
{
    const bool open =
        std::any_of(bet.events.begin(), bet.events.end(), [](const auto& e) { return e.outcome == Outcome::Open; });
    if (open)
        return BetStatus::Open;
    const mpq_class& paid = s.payout.least;
    if (paid == 0)
        return BetStatus::Lost;
    if (paid == s.totalStake)
        return BetStatus::Returned;
    return s.linesWon == s.lines && paid > s.totalStake ? BetStatus::Won : BetStatus::Partial;
}

} // namespace

std::string_view statusCaption(BetStatus status)
{
    switch (status) {
    case BetStatus::Open:
        return "Ожидается";
    case BetStatus::Lost:
        return "Проигрыш";
    case BetStatus::Returned:
        return "Возврат";
    case BetStatus::Won:
        return "Выигрыш";
    case BetStatus::Partial:
        break;
    }
    return "Частично";
}

BetFigures betFigures(const JournalBet& bet)
{
    if (const auto problem = betProblem(bet))
        throw std::invalid_argument(*problem);
    auto events = slipEvents(bet);
    const mpq_class sum = *readSum(bet.sumText);
    const Settlement s = settle(events, bet.bet, sum, bet.sumMode);
    auto clv = closingLineValue(bet, events);
    return BetFigures{statusOf(bet, s), fullWinCoefficient(std::move(events), bet, sum),
                      s.totalStake,     s.payout,
                      s.profit,         std::move(clv)};
}

BetTexts betTexts(const JournalBet& bet, const BetFigures& figures) { return summaryTexts(summaryOf(bet), figures); }

std::string oneLineText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20)
            out += {'\xE2', '\x90', static_cast<char>(0x80 + byte)};
        else if (byte == 0x7F)
            out += "\xE2\x90\xA1";
        else
            out += c;
    }
    return out;
}

} // namespace zoret
