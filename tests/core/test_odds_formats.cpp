// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/odds_formats.h"
#include "core/typed_number.h"
#include "tests/core/rows.h"

using namespace zoret;

namespace {

using enum OddsFormat;

// Every format's text of decimal odds typed as `format`, then the note.
std::string shown(OddsFormat format, const std::string& text)
{
    const OddsFormatsCaptions captions = oddsFormatsCaptions(format, text);
    std::string out;
    for (const std::string& shownText : captions.texts)
        out += shownText + "|";
    return out + captions.note;
}
// The exact decimal odds of a text, or the note why it is none.
std::string read(OddsFormat format, const std::string& text)
{
    const OddsReading reading = readOdds(format, text);
    return reading.decimal ? reading.decimal->get_str() : "none: " + reading.note;
}
std::string typed(const std::string& text)
{
    const auto odds = readTypedOdds(text);
    return odds ? odds->get_str() : "none";
}

TEST(OddsFormats, Table)
{
    const std::string fractionNote =
        "none: Дробный коэффициент — два целых числа больше 0 через косую черту, например 5/2";
    // clang-format off
    checkRows({
        {"Worked2.50", [] { return shown(Decimal, "2.50"); }, "2.500|3/2|+150|1.50|-0.667|1.500|40.00 %|"},
        {"Worked1.91", [] { return shown(Decimal, "1.91"); }, "1.910|91/100|-109.89|0.91|0.910|-1.099|52.36 %|"},
        {"Worked2", [] { return shown(Decimal, "2"); }, "2.000|1/1|+100|1.00|1.000|1.000|50.00 %|"},
        {"AmericanKeepsTwoDecimalsAtMost", [] { return shown(American, "-110"); }, "1.909|10/11|-110|0.91|0.909|-1.100|52.38 %|"},
        {"HairAboveOneRoundsToZeros", [] { return shown(Decimal, "1.0001"); }, "1.000|1/10000|-1000000|0.00|0.000|-10000.000|99.99 %|"},
        {"EmptyShowsNothing", [] { return shown(Malay, " "); }, "|||||||"},
        {"BadShowsNothing", [] { return shown(American, "+50"); }, "|||||||Американский коэффициент не бывает между -100 и +100"},

        {"DecimalWithComma", [] { return read(Decimal, " 2,5 "); }, "5/2"},
        {"DecimalOfOne", [] { return read(Decimal, "1"); }, "none: Десятичный коэффициент должен быть больше 1"},
        {"DecimalNotANumber", [] { return read(Decimal, "2.5.0"); }, "none: Не число"},
        {"FractionSpaced", [] { return read(Fractional, " 10 / 11 "); }, "21/11"},
        {"FractionOverZero", [&] { return read(Fractional, "5/0"); }, fractionNote},
        {"FractionOfZero", [&] { return read(Fractional, "0/5"); }, fractionNote},
        {"FractionOfDecimals", [&] { return read(Fractional, "2.5/1"); }, fractionNote},
        {"FractionTenThousandDigits", [&] { return read(Fractional, "1/" + std::string(10000, '7')); }, fractionNote},
        {"AmericanPlus", [] { return read(American, "+150"); }, "5/2"},
        {"AmericanMinus", [] { return read(American, "-200"); }, "3/2"},
        {"AmericanDecimals", [] { return read(American, "-109,89"); }, "20989/10989"},
        {"AmericanMinusHundredIsEven", [] { return read(American, "-100"); }, "2"},
        {"AmericanPlusHundredIsEven", [] { return read(American, "+100"); }, "2"},
        {"AmericanJustAboveMinusHundred", [&] { return read(American, "-99.99"); }, "none: Американский коэффициент не бывает между -100 и +100"},
        {"HongKong", [] { return read(HongKong, "1.5"); }, "5/2"},
        {"HongKongZero", [] { return read(HongKong, "0"); }, "none: Гонконгский коэффициент должен быть больше 0"},
        {"MalayPositive", [] { return read(Malay, "0.91"); }, "191/100"},
        {"MalayNegative", [] { return read(Malay, "-0.667"); }, "1667/667"},
        {"MalayMinusOneIsEven", [] { return read(Malay, "-1"); }, "2"},
        {"MalayAboveOne", [] { return read(Malay, "1.5"); }, "none: Малайский коэффициент лежит от -1 до 1 и не равен 0"},
        {"MalayZero", [] { return read(Malay, "0"); }, "none: Малайский коэффициент лежит от -1 до 1 и не равен 0"},
        {"IndonesianNegative", [] { return read(Indonesian, "\xE2\x88\x92" "1.099"); }, "2099/1099"},
        {"IndonesianPositive", [] { return read(Indonesian, "10"); }, "11"},
        {"IndonesianWithinOne", [] { return read(Indonesian, "-0.5"); }, "none: Индонезийский коэффициент не бывает между -1 и 1"},
        {"ProbabilityAsShown", [] { return read(Probability, "40.00 %"); }, "5/2"},
        {"ProbabilityZero", [] { return read(Probability, "0"); }, "none: Вероятность должна быть больше 0 и меньше 100 %"},
        {"ProbabilityHundred", [] { return read(Probability, "100"); }, "none: Вероятность должна быть больше 0 и меньше 100 %"},

        {"TypedFraction", [] { return typed("5/2"); }, "7/2"},
        {"TypedAmericanPlus", [] { return typed("+150"); }, "5/2"},
        {"TypedAmericanMinus", [] { return typed("-200"); }, "3/2"},
        {"TypedTypographicMinus", [] { return typed(" \xE2\x88\x92" "110"); }, "21/11"},
        {"TypedDecimalComma", [] { return typed("2,5"); }, "5/2"},
        {"TypedDecimalOneIsTheCallersRule", [] { return typed("1"); }, "1"},
    });
    // clang-format on
}

} // namespace
