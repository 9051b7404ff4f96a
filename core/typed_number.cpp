// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/typed_number.h"

#include "core/exact_decimal.h"
#include "core/number_text.h"
#include "core/odds_formats.h"

namespace zoret {

std::optional<mpq_class> readTypedNumber(std::string_view text)
{
    int digits = 0;
    for (char c : text)
        if (c >= '0' && c <= '9' && (digits > 0 || c != '0') && ++digits > maxTypedDigits)
            return std::nullopt;
    return readSum(text);
}

std::optional<mpq_class> readTypedOdds(std::string_view text)
{
    const OddsFormat format = typedOddsFormat(text);
    return format == OddsFormat::Decimal ? readTypedNumber(text) : readOdds(format, text).decimal;
}

std::optional<mpq_class> readCommission(std::string_view text)
{
    if (isBlankText(text))
        return mpq_class(0);
    const auto commission = readTypedNumber(text);
    return commission && *commission >= 0 && *commission < 100 ? commission : std::nullopt;
}

FixedStake readFixedStake(std::string_view text)
{
    if (isBlankText(text))
        return {};
    const auto stake = readTypedNumber(text);
    return stake && *stake > 0 ? FixedStake{stake, false} : FixedStake{std::nullopt, true};
}

} // namespace zoret
