// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settlement_captions.h"

#include "core/number_text.h"
#include "core/exact_decimal.h"
#include "core/system_captions.h"

#include <optional>

namespace zoret {

namespace {

// The slip in exact numbers, or nothing when a coefficient is below 1 or
// cannot be read as one.
std::optional<std::vector<SlipEvent>> readSlip(std::span<const SlipEntry> slip)
{
    std::vector<SlipEvent> events;
    events.reserve(slip.size());
    for (const auto& entry : slip) {
        auto coefficient = readListNumber(entry.coefficientText);
        if (!coefficient || *coefficient < 1)
            return std::nullopt;
        events.push_back(SlipEvent{std::move(*coefficient), entry.outcome, entry.banker});
    }
    return events;
}

SettlementCaptions refusal(std::string_view text)
{
    SettlementCaptions captions;
    captions.payout = text;
    return captions;
}

WhatIfRow whatIfRow(const WhatIf& row)
{
    return WhatIfRow{countText(row.winners),      moneyText(row.payout.least), moneyText(row.payout.most),
                     moneyText(row.profit.least), moneyText(row.profit.most),  row.profit.least >= 0};
}

} // namespace

std::string outcomeCaption(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Open:
        return "Ожидается";
    case Outcome::Won:
        return "Выигрыш";
    case Outcome::Lost:
        return "Проигрыш";
    case Outcome::Void:
        return "Возврат";
    case Outcome::HalfWon:
        return "Половина выигрыша";
    case Outcome::HalfLost:
        return "Половина проигрыша";
    }
    return {};
}

std::string betCaption(Bet bet, int nonBankerCount)
{
    switch (bet.kind) {
    case BetKind::Single:
        return "Ординар";
    case BetKind::Accumulator:
        return "Экспресс";
    case BetKind::System:
        break;
    }
    return systemName(static_cast<Integer>(nonBankerCount), static_cast<Integer>(bet.size));
}

std::string rangeText(const Range& range) { return moneyRangeText(range.least, range.most); }

SettlementCaptions settlementCaptions(std::span<const SlipEntry> slip, Bet bet, std::string_view sumText, SumMode mode)
{
    if (isBlankText(sumText))
        return {};
    const auto events = readSlip(slip);
    if (!events)
        return refusal(coefficientBelowOneText);
    const auto sum = readSum(sumText);
    if (!sum || *sum <= 0)
        return refusal(enterSumText);

    const Settlement s = settle(*events, bet, *sum, mode);
    SettlementCaptions captions{countText(s.lines),
                                moneyText(s.lineStake),
                                moneyText(s.totalStake),
                                countText(s.linesWon),
                                rangeText(s.payout),
                                rangeText(s.profit),
                                {}};
    captions.whatIf.reserve(s.whatIf.size());
    for (const auto& row : s.whatIf)
        captions.whatIf.push_back(whatIfRow(row));
    return captions;
}

} // namespace zoret
