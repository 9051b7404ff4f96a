// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

// The fork calculator reached through the main window's menu: which box is read, where each figure goes, what a tick or
// a size change keeps, how the window grows. The figures themselves are the core's.
class ForkCalculatorWindowTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("typing with a comma or a point divides the sum; rounding keeps the most profit") << R"(
            menu actionForkCalculator ; within Form5 ; focus Odds1 ; is Combo1 2 ; is Combo2 нет ; is Share1 1 ; is lbMarginCaption Сумма 1/k ; type Odds1 1,90
            is lbNote Исход 2: неверный коэффициент ; type Odds2 2.20 ; is lbNote ; is lbMargin 98.09 % ; is lbFork Вилка +1.95 %
            is Stake1 ; type Text1 1000 ; is Stake1 536.59 ; is Stake2 463.41 ; is Payout1 1019.51 ; is Profit2 19.51
            is lbTotal 1000.00 ; is lbProfit 19.51 ; is lbRoi 1.95 % ; pick Combo2 10 ; is Stake1 530.00 ; is Stake2 460.00
            is lbTotal 990.00 ; is Profit1 17.00 ; is Profit2 22.00 ; is lbProfit 17.00 – 22.00 ; pick Combo2 50 ; is Stake1 500.00
            is Stake2 450.00 ; is lbTotal 950.00 ; is lbProfit 0.00 – 40.00 ; is lbNote ; pick Combo2 100
            is lbNote Округление не сохраняет вилку: наименьшая прибыль -20.00 ; click Share1 ; pick Combo2 нет ; is Profit1 0.00
            is Profit2 42.11 ; pick Combo2 10 ; is Stake1 530.00 ; is Stake2 470.00 ; is Profit1 7.00 ; is Profit2 34.00 ; is lbNote
            pick Combo2 нет ; type Odds2 1.5 ; is lbFork Не вилка -16.18 % ; type Odds2 2.20 ; type Commission2 5 ; type Odds1 2.10 ; type Odds2 2.05 ; click Share1 ; is lbFork Вилка +2.37 %
            is Stake1 487.49 ; is Payout2 1023.73 ; click Command2 ; end
        )";
        QTest::newRow("a typed stake fixes its row, one row at most, the tick alone takes the stake shown") << R"(
            menu actionForkCalculator ; within Form5 ; type Odds1 2 ; type Odds2 3 ; type Text1 1000 ; is Stake1 600.00
            type Stake1 500 ; is Fixed1 1 ; disabled Text1 ; is Stake2 333.33 ; is lbTotal 833.33 ; is lbProfit 166.67
            is lbRoi 20.00 % ; click Fixed2 ; is Fixed1 0 ; is Fixed2 1 ; is Stake2 333.33 ; is Stake1 500.00 ; type Stake2 0
            is lbNote Исход 2: неверная ставка ; is lbTotal ; type Stake2 ; is lbNote ; click Fixed2 ; enabled Text1
            is Stake1 600.00 ; is Stake2 400.00 ; pick Combo1 3 ; type Odds3 6 ; type Stake3 100 ; pick Combo1 2 ; enabled Text1
            is Stake1 600.00 ; key Stake1 Esc ; end
        )";
        QTest::newRow("a bad number names its row; rows come and go at the end, keeping the others") << R"(
            menu actionForkCalculator ; within Form5 ; type Odds1 2 ; type Commission1 10 ; type Odds2 3 ; pick Combo1 3
            is lbNote Исход 3: неверный коэффициент ; is lbMargin ; type Odds3 abc
            type Odds3 1e400 ; is lbNote Исход 3: неверный коэффициент ; type Odds3 6 ; type Commission1 100
            is lbNote Исход 1: неверная комиссия ; type Commission1 -1 ; is lbNote Исход 1: неверная комиссия ; type Commission1
            is lbFork Не вилка 0.00 % ; pick Combo1 2 ; is Odds1 2 ; is Odds2 3 ; pick Combo1 20 ; is Odds1 2 ; is Odds20
            is lbNote Исход 3: неверный коэффициент ; click Command1 ; is Odds1 ; is Share1 1 ; is Combo1 20 ; focus Odds1
            click Command2 ; end ; menu actionForkCalculator ; within Form5 ; is Combo1 20 ; click Command2 ; end
        )";
        QTest::newRow("a row added at the end is reached by Tab and brought into view") << R"(
            menu actionForkCalculator ; within Form5 ; pick Combo1 20 ; key Share19 Tab ; focus Odds20 ; inview Odds20
            key Share20 Tab ; focus Command1 ; key Odds1 Tab ; inview Odds1 ; click Command2 ; end
        )";
        QTest::newRow("the table takes what the window grows by; the window keeps its least size") << R"(
            menu actionForkCalculator ; within Form5 ; size Form5 580 420 ; resize 900 700 ; grown Form5 320 280
            grown Grid1 320 280 ; grown Command2 0 0 ; grown Text1 0 0 ; resize 100 100 ; size Form5 580 420 ; click Command2 ; end
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(ForkCalculatorWindowTest)
#include "test_fork_calculator_window.moc"
