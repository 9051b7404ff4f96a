// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_bet.h"

#include "core/civil_date.h"
#include "core/exact_decimal.h"
#include "core/settlement_captions.h"

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
constexpr std::array<std::pair<SumMode, std::string_view>, 2> sumModeCodes{
    {{SumMode::PerLine, "per-line"}, {SumMode::WholeBet, "whole-bet"}}};

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates,
// nothing above U+10FFFF. The store and the window hold texts as UTF-16,
// which anything else would not survive.
bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

bool textsAreUtf8(const JournalBet& bet)
{
    return isUtf8(bet.bookmaker) && isUtf8(bet.note) && isUtf8(bet.sumText)
           && std::all_of(bet.events.begin(), bet.events.end(),
                          [](const auto& e) { return isUtf8(e.coefficientText) && isUtf8(e.description); });
}

} // namespace

std::string_view kindCode(BetKind kind) { return codeOfValue(kindCodes, kind); }
std::optional<BetKind> kindOfCode(std::string_view code) { return valueOfCode(kindCodes, code); }
std::string_view outcomeCode(Outcome outcome) { return codeOfValue(outcomeCodes, outcome); }
std::optional<Outcome> outcomeOfCode(std::string_view code) { return valueOfCode(outcomeCodes, code); }
std::string_view sumModeCode(SumMode mode) { return codeOfValue(sumModeCodes, mode); }
std::optional<SumMode> sumModeOfCode(std::string_view code) { return valueOfCode(sumModeCodes, code); }

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

} // namespace zoret
