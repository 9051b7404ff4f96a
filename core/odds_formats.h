// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The ways bookmakers write the same odds, from the exact decimal odds d > 1
// and back: fractional d - 1 as a reduced fraction, American +100(d - 1)
// from 2 up and -100/(d - 1) below, Hong Kong d - 1, Malay d - 1 up to 2 and
// -1/(d - 1) above, Indonesian d - 1 from 2 up and -1/(d - 1) below, and the
// probability 100/d in percent.
namespace zoret {

enum class OddsFormat { Decimal, Fractional, American, HongKong, Malay, Indonesian, Probability };

inline constexpr std::array oddsFormatOrder{OddsFormat::Decimal,    OddsFormat::Fractional, OddsFormat::American,
                                            OddsFormat::HongKong,   OddsFormat::Malay,      OddsFormat::Indonesian,
                                            OddsFormat::Probability};

// "Десятичный", "Дробный", "Американский", "Гонконгский", "Малайский",
// "Индонезийский", "Вероятность, %".
std::string oddsFormatCaption(OddsFormat format);

// The exact figure `format` writes for decimal odds d > 1 (the fraction's
// value for the fractional one, the percentage for the probability).
mpq_class formatValue(OddsFormat format, const mpq_class& decimal);

// The decimal odds a figure of `format` stands for, exactly; nothing for a
// figure that is not odds of that format. -100 American, -1 Malay and -1
// Indonesian stand for even odds as +100, 1 and 1 do.
std::optional<mpq_class> decimalFrom(OddsFormat format, const mpq_class& value);

// Decimal odds d > 1 written in `format`: three decimals for the decimal,
// Malay and Indonesian odds, two for Hong Kong and the probability ("40.00 %"),
// the fraction in lowest terms ("3/2", "10/1"), American with at most two
// decimals and its sign ("+150", "-109.89"). Halves round away from zero;
// the minus sign is a plain "-".
std::string oddsText(OddsFormat format, const mpq_class& decimal);

// A text typed as odds of `format`: the decimal odds exactly, or nothing with
// the reason in `note` (empty for an empty text). Numbers are read as every
// typed number is, with a comma or a point; a leading minus may be the
// typographic one. A fraction is "a/b" of whole numbers above 0; a
// probability may end with "%".
struct OddsReading {
    std::optional<mpq_class> decimal;
    std::string note;
};
OddsReading readOdds(OddsFormat format, std::string_view text);

// Which format a text typed in an odds box is in: a fraction with a slash,
// American with a sign in front, decimal otherwise.
OddsFormat typedOddsFormat(std::string_view text);

// Every format's text of what is typed as `format`, in oddsFormatOrder;
// all empty, with the reason in `note`, when it is not odds.
struct OddsFormatsCaptions {
    std::array<std::string, oddsFormatOrder.size()> texts;
    std::string note;
};
OddsFormatsCaptions oddsFormatsCaptions(OddsFormat format, std::string_view text);

} // namespace zoret
