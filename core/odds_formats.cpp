// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/odds_formats.h"

#include "core/exact_decimal.h"
#include "core/number_text.h"
#include "core/typed_number.h"

namespace zoret {

namespace {

constexpr std::string_view typographicMinus = "\xE2\x88\x92"; // U+2212, as sites print American odds

// The text with a leading typographic minus written as "-", blanks around
// it left out.
std::string withPlainMinus(std::string_view text)
{
    text = trimBlanks(text);
    if (text.starts_with(typographicMinus))
        return "-" + std::string(text.substr(typographicMinus.size()));
    return std::string(text);
}

bool isSign(char c) { return c == '+' || c == '-'; }

// A probability may be typed as it is shown, with its percent sign.
std::string_view withoutPercentSign(std::string_view text)
{
    text = trimBlanks(text);
    return text.ends_with('%') ? trimBlanks(text.substr(0, text.size() - 1)) : text;
}

// A whole number above 0 on one side of a fraction's slash.
std::optional<mpq_class> wholeAboveZero(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto value = readTypedNumber(text);
    return value && *value > 0 ? value : std::nullopt;
}

// "a/b" as the value a/b.
std::optional<mpq_class> readFraction(std::string_view text)
{
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const auto a = wholeAboveZero(text.substr(0, slash)), b = wholeAboveZero(text.substr(slash + 1));
    if (!a || !b)
        return std::nullopt;
    return mpq_class(*a / *b);
}

// Why a figure of `format` read from the text is not odds of that format.
std::string_view badValueNote(OddsFormat format)
{
    switch (format) {
    case OddsFormat::Decimal:
        return "Десятичный коэффициент должен быть больше 1";
    case OddsFormat::Fractional:
        return "Дробный коэффициент — два целых числа больше 0 через косую черту, например 5/2";
    case OddsFormat::American:
        return "Американский коэффициент не бывает между -100 и +100";
    case OddsFormat::HongKong:
        return "Гонконгский коэффициент должен быть больше 0";
    case OddsFormat::Malay:
        return "Малайский коэффициент лежит от -1 до 1 и не равен 0";
    case OddsFormat::Indonesian:
        return "Индонезийский коэффициент не бывает между -1 и 1";
    case OddsFormat::Probability:
        return "Вероятность должна быть больше 0 и меньше 100 %";
    }
    return {};
}

// Up to two decimals, trailing zeros and a bare point left out.
std::string americanText(const mpq_class& value)
{
    std::string text = fixedText(value, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return value > 0 ? "+" + text : text;
}

} // namespace

std::string oddsFormatCaption(OddsFormat format)
{
    switch (format) {
    case OddsFormat::Decimal:
        return "Десятичный";
    case OddsFormat::Fractional:
        return "Дробный";
    case OddsFormat::American:
        return "Американский";
    case OddsFormat::HongKong:
        return "Гонконгский";
    case OddsFormat::Malay:
        return "Малайский";
    case OddsFormat::Indonesian:
        return "Индонезийский";
    case OddsFormat::Probability:
        return "Вероятность, %";
    }
    return {};
}

mpq_class formatValue(OddsFormat format, const mpq_class& decimal)
{
    const mpq_class win = decimal - 1;
    switch (format) {
    case OddsFormat::Decimal:
        return decimal;
    case OddsFormat::Fractional:
    case OddsFormat::HongKong:
        return win;
    case OddsFormat::American:
        return decimal >= 2 ? mpq_class(100 * win) : mpq_class(-100 / win);
    case OddsFormat::Malay:
        return decimal <= 2 ? win : mpq_class(-1 / win);
    case OddsFormat::Indonesian:
        return decimal >= 2 ? win : mpq_class(-1 / win);
    case OddsFormat::Probability:
        return 100 / decimal;
    }
    return decimal;
}

std::optional<mpq_class> decimalFrom(OddsFormat format, const mpq_class& value)
{
    switch (format) {
    case OddsFormat::Decimal:
        return value > 1 ? std::optional(value) : std::nullopt;
    case OddsFormat::Fractional:
    case OddsFormat::HongKong:
        return value > 0 ? std::optional<mpq_class>(1 + value) : std::nullopt;
    case OddsFormat::American:
        if (value >= 100 || value <= -100)
            return value > 0 ? mpq_class(1 + value / 100) : mpq_class(1 - 100 / value);
        return std::nullopt;
    case OddsFormat::Malay:
        if (value == 0 || value < -1 || value > 1)
            return std::nullopt;
        return value > 0 ? mpq_class(1 + value) : mpq_class(1 - 1 / value);
    case OddsFormat::Indonesian:
        if (value > -1 && value < 1)
            return std::nullopt;
        return value > 0 ? mpq_class(1 + value) : mpq_class(1 - 1 / value);
    case OddsFormat::Probability:
        return value > 0 && value < 100 ? std::optional<mpq_class>(100 / value) : std::nullopt;
    }
    return std::nullopt;
}

std::string oddsText(OddsFormat format, const mpq_class& decimal)
{
    const mpq_class value = formatValue(format, decimal);
    switch (format) {
    case OddsFormat::Fractional:
        return value.get_num().get_str() + "/" + value.get_den().get_str();
    case OddsFormat::American:
        return americanText(value);
    case OddsFormat::HongKong:
        return fixedText(value, 2);
    case OddsFormat::Probability:
        return fixedText(value, 2) + " %";
    case OddsFormat::Decimal:
    case OddsFormat::Malay:
    case OddsFormat::Indonesian:
        break;
    }
    return fixedText(value, 3);
}

OddsReading readOdds(OddsFormat format, std::string_view text)
{
    if (isBlankText(text))
        return {};
    const std::string plain = withPlainMinus(format == OddsFormat::Probability ? withoutPercentSign(text) : text);
    const auto value = format == OddsFormat::Fractional ? readFraction(plain) : readTypedNumber(plain);
    if (!value)
        return {std::nullopt, std::string(format == OddsFormat::Fractional ? badValueNote(format) : "Не число")};
    if (auto decimal = decimalFrom(format, *value))
        return {std::move(decimal), {}};
    return {std::nullopt, std::string(badValueNote(format))};
}

OddsFormat typedOddsFormat(std::string_view text)
{
    const std::string plain = withPlainMinus(text);
    if (plain.find('/') != std::string::npos)
        return OddsFormat::Fractional;
    return !plain.empty() && isSign(plain.front()) ? OddsFormat::American : OddsFormat::Decimal;
}

OddsFormatsCaptions oddsFormatsCaptions(OddsFormat format, std::string_view text)
{
    OddsFormatsCaptions captions;
    OddsReading reading = readOdds(format, text);
    captions.note = std::move(reading.note);
    if (reading.decimal)
        for (std::size_t i = 0; i < oddsFormatOrder.size(); ++i)
            captions.texts[i] = oddsText(oddsFormatOrder[i], *reading.decimal);
    return captions;
}

} // namespace zoret
