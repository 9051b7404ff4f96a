// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_bet.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"
#include "core/number_text.h"
#include "core/settlement_captions.h"
#include "core/typed_number.h"
#include "core/utf8_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zoret {

namespace {

template <typename T, std::size_t N>
std::optional<T> valueOfCode(const std::array<std::pair<T, std::string_view>, N>& codes, std::string_view code)
{
    for (const auto& [value, known] : codes)
        if (known == code)
            return value;
    return std::nullopt;
}

template <typename T, std::size_t N>
std::string_view codeOfValue(const std::array<std::pair<T, std::string_view>, N>& codes, T value)
{
    for (const auto& [known, code] : codes)
        if (known == value)
            return code;
    return {};
}

constexpr std::array<std::pair<BetKind, std::string_view>, 3> kindCodes{
    {{BetKind::Single, "single"}, {BetKind::Accumulator, "accumulator"}, {BetKind::System, "system"}}};
constexpr std::array<std::pair<Outcome, std::string_view>, 6> outcomeCodes{{{Outcome::Open, "open"},
                                                                            {Outcome::Won, "won"},
                                                                            {Outcome::Lost, "lost"},
                                                                            {Outcome::Void, "void"},
                                                                            {Outcome::HalfWon, "half-won"},
                                                                            {Outcome::HalfLost, "half-lost"}}};
constexpr std::array<std::pair<BetKind, std::string_view>, 3> kindCaptions{
    {{BetKind::Single, "Ординар"}, {BetKind::Accumulator, "Экспресс"}, {BetKind::System, "Система"}}};
constexpr std::array<std::pair<SumMode, std::string_view>, 2> sumModeCodes{
    {{SumMode::PerLine, "per-line"}, {SumMode::WholeBet, "whole-bet"}}};

bool textsAreUtf8(const JournalBet& bet)
{
    return isUtf8(bet.bookmaker) && isUtf8(bet.note) && isUtf8(bet.sumText)
           && std::all_of(bet.events.begin(), bet.events.end(), [](const auto& e) {
                  return isUtf8(e.coefficientText) && isUtf8(e.description) && isUtf8(e.closingText);
              });
}

} // namespace

std::optional<mpq_class> closingOdds(std::string_view closingText)
{
    auto odds = readTypedOdds(closingText);
    return odds && *odds > 1 ? odds : std::nullopt;
}

std::string_view kindCode(BetKind kind) { return codeOfValue(kindCodes, kind); }
std::optional<BetKind> kindOfCode(std::string_view code) { return valueOfCode(kindCodes, code); }
std::string_view outcomeCode(Outcome outcome) { return codeOfValue(outcomeCodes, outcome); }
std::optional<Outcome> outcomeOfCode(std::string_view code) { return valueOfCode(outcomeCodes, code); }
std::string_view sumModeCode(SumMode mode) { return codeOfValue(sumModeCodes, mode); }
std::optional<SumMode> sumModeOfCode(std::string_view code) { return valueOfCode(sumModeCodes, code); }

std::string_view kindCaption(BetKind kind) { return codeOfValue(kindCaptions, kind); }

std::optional<BetKind> kindOfCaptionOrCode(std::string_view text)
{
    const auto kind = valueOfCode(kindCaptions, text);
    return kind ? kind : kindOfCode(text);
}

std::optional<Outcome> outcomeOfCaptionOrCode(std::string_view text)
{
    for (const Outcome outcome : outcomeOrder)
        if (outcomeCaption(outcome) == text)
            return outcome;
    return outcomeOfCode(text);
}

std::optional<std::string> betProblem(const JournalBet& bet)
{
    if (!isDateTimeText(bet.placedAt))
        return "Дата ставки должна быть вида ГГГГ-ММ-ДД ЧЧ:ММ:СС";
    if (!textsAreUtf8(bet))
        return "Текст не в кодировке UTF-8";
    if (bet.events.empty())
        return "В ставке нет событий";
    int bankers = 0;
    for (std::size_t i = 0; i < bet.events.size(); ++i) {
        const auto& event = bet.events[i];
        const auto coefficient = readListNumber(event.coefficientText);
        if (!coefficient)
            return "Коэффициент события " + countText(static_cast<long long>(i) + 1) + " не читается";
        if (*coefficient < 1)
            return std::string(coefficientBelowOneText);
        if (!isBlankText(event.closingText) && !closingOdds(event.closingText))
            return "Коэф. закрытия события " + countText(static_cast<long long>(i) + 1) + " не читается";
        bankers += event.banker ? 1 : 0;
    }
    const auto sum = readSum(bet.sumText);
    if (!sum || *sum <= 0)
        return "Сумма ставки должна быть положительным числом";
    const auto offered = offeredBets(static_cast<int>(bet.events.size()), bankers);
    if (std::find(offered.begin(), offered.end(), bet.bet) == offered.end())
        return "Такой ставки на эти события нет";
    return std::nullopt;
}

std::vector<SlipEvent> slipEvents(const JournalBet& bet)
{
    std::vector<SlipEvent> events;
    events.reserve(bet.events.size());
    for (const auto& event : bet.events)
        events.push_back({readListNumber(event.coefficientText).value_or(0), event.outcome, event.banker});
    return events;
}

std::string duplicateKey(const JournalBet& bet)
{
    // Each part ends in a byte no text of a bet that settles holds where
    // it stands, so that no two bets run together into one key.
    const auto value = [](const std::optional<mpq_class>& number, std::string_view text) {
        return number ? number->get_str() : "?" + std::string(text);
    };
    std::string key = bet.placedAt + '\n' + std::string(kindCode(bet.bet.kind)) + ' ' + countText(bet.bet.size) + ' '
                      + value(readSum(bet.sumText), bet.sumText) + ' ' + std::string(sumModeCode(bet.sumMode));
    for (const auto& event : bet.events)
        key += '\n' + value(readListNumber(event.coefficientText), event.coefficientText) + ' '
               + std::string(outcomeCode(event.outcome)) + (event.banker ? " b" : "");
    return key;
}

} // namespace zoret
