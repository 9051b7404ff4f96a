// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

// The odds formats window reached through the main window's menu: which
// format the text is read in, where each figure goes, what the copy buttons
// copy, what a bad text and reopening keep, how the window grows; and a
// fraction and American odds typed in the odds boxes of the calculators,
// which keep what was typed. The figures themselves are the core's.
class OddsFormatsWindowTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("the menu opens it; decimal odds in every format, each copied") << R"(
            menu actionOddsFormats ; within Form11 ; focus Text1 ; is Combo1 Десятичный ; is lbDecimal ; is lbNote
            reader lbDecimal Десятичный коэффициент ; disabled CopyDecimal CopyProbability ; type Text1 2,50 ; is lbDecimal 2.500 ; is lbFractional 3/2
            is lbAmerican +150 ; is lbHongKong 1.50 ; is lbMalay -0.667 ; is lbIndonesian 1.500 ; is lbProbability 40.00 %
            enabled CopyDecimal CopyProbability ; click CopyAmerican ; clipboard +150 ; click CopyMalay ; clipboard -0.667
            click CopyFractional ; clipboard 3/2 ; click CopyProbability ; clipboard 40.00 % ; type Text1 1
            is lbNote Десятичный коэффициент должен быть больше 1 ; is lbAmerican ; disabled CopyAmerican ; click Command1 ; end
        )";
        QTest::newRow("the text is read in the format chosen; the window keeps both for next time") << R"(
            menu actionOddsFormats ; within Form11 ; type Text1 10/11 ; is lbNote Не число ; pick Combo1 Дробный
            is Text1 10/11 ; is lbNote ; is lbDecimal 1.909 ; is lbAmerican -110 ; pick Combo1 Американский
            is lbNote Не число ; is lbDecimal ; type Text1 −110 ; is lbFractional 10/11
            type Text1 +50 ; is lbNote Американский коэффициент не бывает между -100 и +100 ; type Text1 -200 ; is lbDecimal 1.500
            pick Combo1 Малайский ; is lbNote Малайский коэффициент лежит от -1 до 1 и не равен 0 ; type Text1 -1
            is lbDecimal 2.000 ; pick Combo1 Вероятность, % ; type Text1 40.00 % ; is lbDecimal 2.500 ; key Text1 Esc ; end
            menu actionOddsFormats ; within Form11 ; is Combo1 Вероятность, % ; is Text1 40.00 % ; is lbFractional 3/2
            click Command1 ; end
        )";
        QTest::newRow("the note takes what the window grows by; the window keeps its least size") << R"(
            menu actionOddsFormats ; within Form11 ; size Form11 440 307 ; resize 800 600 ; grown Form11 360 293
            grown lbNote 360 293 ; grown lbDecimal 0 0 ; grown Command1 0 0 ; resize 100 100 ; size Form11 440 307
            click Command1 ; end
        )";
        QTest::newRow("the fork calculator reads a fraction and American odds and keeps them as typed") << R"(
            menu actionForkCalculator ; within Form5 ; type Odds1 5/2 ; type Odds2 +150 ; type Text1 1000 ; is Odds1 5/2
            is Odds2 +150 ; is lbMargin 68.57 % ; is Stake1 416.67 ; is Stake2 583.33 ; type Odds2 +50
            is lbNote Исход 2: неверный коэффициент ; is Stake1 ; type Odds2 −110 ; is lbNote ; is Odds2 −110
            is Stake2 647.06 ; type Odds1 5/0 ; is lbNote Исход 1: неверный коэффициент ; type Odds1 10/11 ; is lbMargin 104.76 %
            click Command2 ; end
        )";
        QTest::newRow("the fair odds window reads them too and keeps them as typed") << R"(
            menu actionFairOdds ; within Form7 ; pick Combo1 2 ; type Odds1 5/2 ; type Odds2 -200 ; is Implied1 28.57 %
            is Implied2 66.67 % ; is Odds1 5/2 ; is Odds2 -200 ; type Odds2 -99.99 ; is lbNote Исход 2: неверный коэффициент
            type Odds2 1/2/3 ; is lbNote Исход 2: неверный коэффициент ; click Command2 ; end
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(OddsFormatsWindowTest)
#include "test_odds_formats_window.moc"
