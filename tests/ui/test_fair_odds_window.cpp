// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

// The fair odds window reached through the main window's menu: which box is
// read, where each figure goes, what a bad number or a size change keeps,
// how the window grows. The figures themselves are the core's.
class FairOddsWindowTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        const QString published = "type Odds1 2,7 ; type Odds2 2.3 ; type Odds3 4.4";
        // clang-format off
        QTest::newRow("the menu opens it; the published line under each method") << R"(
            menu actionFairOdds ; within Form7 ; focus Odds1 ; is Combo1 3 ; is Combo2 Шина ; is Combo3 1/4
            is lbNote Исходы 1, 2, 3: неверный коэффициент ; )" + published + R"( ; is lbNote ; is lbMargin 3.24 %
            is Implied1 37.04 % ; is Implied2 43.48 % ; is Implied3 22.73 % ; is Fair1 35.93 % ; is Fair2 42.32 %
            is Fair3 21.74 % ; is FairOdds1 2.78 ; is FairOdds3 4.60 ; is Kelly1 не ставить ; is Stake1
            pick Combo2 Пропорциональный ; is Fair1 35.87 % ; is Fair2 42.11 % ; is Fair3 22.01 % ; is Ev2 -3.14 %
            pick Combo2 Аддитивный ; is Fair1 35.96 % ; is Fair2 42.40 % ; is Fair3 21.65 % ; pick Combo2 Степенной
            is Fair1 35.92 % ; is Fair2 42.37 % ; is Fair3 21.71 % ; is Implied1 37.04 % ; key Odds1 Esc ; end
        )";
        QTest::newRow("Kelly at 3.5 and 30 % by each share; the value of 2.0 at 60 %") << R"(
            menu actionFairOdds ; within Form7 ; pick Combo1 2 ; type Odds1 3,5 ; type Odds2 1.35 ; type Mine1 30
            is Ev1 +5.00 % ; is Kelly1 0.50 % ; is Stake1 ; type Text1 1000 ; is Stake1 5.00 ; pick Combo3 1
            is Kelly1 2.00 % ; is Stake1 20.00 ; pick Combo3 1/2 ; is Kelly1 1.00 % ; is Stake1 10.00 ; is Kelly2 не ставить
            is Stake2 ; type Odds1 2.0 ; type Mine1 60,0 ; is Ev1 +20.00 % ; is Kelly1 10.00 % ; is Stake1 100.00
            type Text1 1000,5 ; is Stake1 100.05 ; type Mine2 50 ; is lbNote Ваши вероятности в сумме 110.00 %, больше 100 %
            is Ev2 -32.50 % ; type Mine2 40 ; type Text1 0 ; is lbNote Неверная сумма банка ; is Stake1 ; is Kelly1 10.00 % ; click Command2 ; end
        )";
        QTest::newRow("a bad number names its row and clears no other") << R"(
            menu actionFairOdds ; within Form7 ; )" + published + R"( ; type Mine1 35 ; type Odds2 abc
            is lbNote Исход 2: неверный коэффициент ; is lbMargin ; is Fair1 ; is Ev1 ; is Odds1 2,7 ; is Odds3 4.4
            is Mine1 35 ; type Odds2 1e400 ; is lbNote Исход 2: неверный коэффициент ; type Odds2 1 ; is Fair3
            type Odds2 0,5 ; is lbNote Исход 2: неверный коэффициент ; type Odds2 2.3 ; is lbNote ; is Fair1 35.93 %
            is Ev1 -5.50 % ; type Mine3 101 ; is lbNote Исход 3: неверная вероятность ; is Ev3 ; is Kelly3 ; is Fair3 21.74 %
            is Ev1 -5.50 % ; type Mine3 -1 ; is lbNote Исход 3: неверная вероятность ; type Mine3 abc ; is Ev3 ; is Mine1 35
            type Mine3 1e400 ; is lbNote Исход 3: неверная вероятность ; type Mine3 ; is lbNote ; is Kelly3 не ставить
            type Odds2 )" + QString(10000, '9') + R"( ; is lbNote Исход 2: неверный коэффициент ; is Odds1 2,7 ; is Mine1 35
            type Odds2 2.3 ; is Fair2 42.32 % ; click Command2 ; end
        )";
        QTest::newRow("rows come and go at the end, keeping the others; the window keeps them for next time") << R"(
            menu actionFairOdds ; within Form7 ; )" + published + R"( ; type Mine2 35 ; pick Combo1 5 ; is Odds3 4.4
            is Odds4 ; is lbNote Исходы 4, 5: неверный коэффициент ; type Odds4 20 ; type Odds5 30 ; is lbNote
            pick Combo1 2 ; is Odds1 2,7 ; is Mine2 35 ; is lbMargin -19.48 % ; pick Combo1 3
            is lbNote Исход 3: неверный коэффициент ; pick Combo2 Степенной ; pick Combo3 1/8 ; type Text1 500
            click Command2 ; end ; menu actionFairOdds ; within Form7 ; is Combo1 3 ; is Combo2 Степенной ; is Combo3 1/8
            is Text1 500 ; is Odds1 2,7 ; is Mine2 35 ; is Odds3 ; type Odds3 4.4 ; is Fair1 35.92 % ; is Ev2 -19.50 %
            pick Combo1 20 ; is lbNote Исходы 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20: неверный коэффициент
            key Combo1 Esc ; end
        )";
        QTest::newRow("odds that add up to 1 or less have no margin to remove") << R"(
            menu actionFairOdds ; within Form7 ; pick Combo1 2 ; type Odds1 2,1 ; type Odds2 2.1 ; is lbMargin -4.76 %
            is lbNote Маржи нет: справедливые вероятности равны подразумеваемым ; is Fair1 47.62 % ; is Implied1 47.62 %
            is Kelly1 не ставить ; is Ev1 0.00 % ; pick Combo2 Аддитивный ; is Fair2 47.62 % ; click Command2 ; end
        )";
        QTest::newRow("a row added at the end is reached by Tab and brought into view") << R"(
            menu actionFairOdds ; within Form7 ; pick Combo1 20 ; key Mine19 Tab ; focus Odds20 ; inview Odds20
            key Mine20 Tab ; focus Command2 ; click Command2 ; end
        )";
        QTest::newRow("the table takes what the window grows by; the window keeps its least size") << R"(
            menu actionFairOdds ; within Form7 ; size Form7 700 420 ; resize 1000 700 ; grown Form7 300 280
            grown Grid1 300 280 ; grown Command2 0 0 ; grown Text1 0 0 ; grown lbNote 300 0 ; resize 100 100 ; size Form7 700 420
            click Command2 ; end
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(FairOddsWindowTest)
#include "test_fair_odds_window.moc"
