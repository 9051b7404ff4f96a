// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

// The fork on handicaps and totals reached from the main window's menu: which
// box is read, where each figure goes, what a market, a tick or a size change
// does. The figures themselves are the core's.
class LineForkWindowTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("the menu item opens it; a market without a line turns the line off") << R"(
            menu actionLineFork ; within Form9 ; is Combo1 2 ; is Combo2 нет ; is Market1 П1 ; disabled Line1 ; focus Market1
            pick Market1 Ф1 ; enabled Line1 ; pick Market1 12 ; disabled Line1 ; key Combo1 Esc ; end
        )";
        QTest::newRow("typing splits the sum over the classes of scores; a bad number names its row") << R"(
            menu actionLineFork ; within Form9 ; pick Market1 Ф1 ; type Line1 -0,25 ; type Odds1 2.10 ; pick Market2 Ф2
            is lbNote Ставка 2: неверная линия ; type Line2 0.3 ; is lbNote Ставка 2: неверная линия ; type Line2 +0.25
            is lbNote Ставка 2: неверный коэффициент ; type Odds2 2.00 ; is lbNote ; is Stake1 ; type Text1 100
            is Stake1 48.39 ; is Stake2 51.61 ; is lbTotal 100.00 ; is lbProfit 1.61 – 3.23 ; is lbVerdict Вилка +1.61 %
            items Grid2 Победа 1 101.61 1.61 *|Ничья 101.61 1.61 *|Победа 2 103.23 3.23 * ; is lbExpected
            pick Combo2 1 ; is Stake1 48.00 ; is Stake2 51.00 ; is lbTotal 99.00 ; is lbProfit 1.50 – 3.00
            pick Combo2 10 ; is Stake1 50.00 ; is lbNote Округление не сохраняет вилку: наименьший результат 0.00
            items Grid2 Победа 1 105.00 5.00 *|Ничья 100.00 0.00|Победа 2 100.00 0.00 ; click Command2 ; end
            menu actionLineFork ; within Form9 ; is Line1 -0,25 ; is Text1 100 ; is Combo2 10 ; click Command1 ; is Odds1
            is Market1 П1 ; is Text1 100 ; is Combo2 10 ; is lbTotal ; click Command2 ; end
        )";
        QTest::newRow("a lay row puts up its liability; a typed stake fixes its row") << R"(
            menu actionLineFork ; within Form9 ; type Odds1 2.20 ; type Odds2 2.10 ; type Commission2 5 ; click Lay2
            type Text1 1000 ; is Stake1 458.61 ; is Stake2 492.17 ; is Liability2 541.39 ; is Liability1
            is lbVerdict Вилка +0.89 % ; items Grid2 Победа 1 1008.95 8.95 *|Ничья или победа 2 1008.95 8.95 *
            type Stake1 100 ; is Fixed1 1 ; disabled Text1 ; is Stake2 107.32 ; is lbTotal 218.05 ; click Fixed1
            enabled Text1 ; is Stake1 458.61 ; click Lay2 ; is Liability2 ; key Stake1 Esc ; end
        )";
        QTest::newRow("fixing a bet the best split leaves out says so; rows come and go at the end") << R"(
            menu actionLineFork ; within Form9 ; pick Combo1 3 ; type Odds1 2 ; type Odds2 2 ; pick Market2 Х2
            pick Market3 П2 ; type Odds3 1.01 ; type Stake3 10 ; is lbNote Ставка 3 в лучшем раскладе не участвует
            pick Combo1 2 ; is Odds2 2 ; is Market2 Х2 ; enabled Text1 ; click Command2 ; end
        )";
        QTest::newRow("expected goals give each class its probability and the mean result") << R"(
            menu actionLineFork ; within Form9 ; pick Market1 ТБ ; type Line1 2.5 ; type Odds1 2.10 ; pick Market2 ТМ
            type Line2 3.5 ; type Odds2 1.50 ; type Text1 100 ; type Text2 1,5 ; is lbExpected ; type Text3 1.2
            items Grid2 Тотал 4+ 87.50 -12.50 28.59 %|Тотал 3 175.00 75.00 22.05 % *|Тотал 0–2 87.50 -12.50 49.36 %
            is lbExpected Матожидание +6.79 (6.79 %) ; type Text3 0 ; is lbNote Неверные ожидаемые голы ; is lbExpected
            click Command2 ; end
        )";
        QTest::newRow("odds typed as a fraction or an American value are read exactly and kept as typed") << R"(
            menu actionLineFork ; within Form9 ; pick Market1 Ф1 ; type Line1 -0,25 ; type Odds1 11/10 ; pick Market2 Ф2
            type Line2 +0.25 ; type Odds2 +100 ; type Text1 100 ; is Stake1 48.39 ; is Stake2 51.61 ; is lbVerdict Вилка +1.61 %
            is Odds1 11/10 ; is Odds2 +100 ; type Odds2 +50 ; is lbNote Ставка 2: неверный коэффициент ; is Odds1 11/10
            type Odds2 −110 ; is lbNote ; is Odds2 −110 ; click Command2 ; end
        )";
        QTest::newRow("Из модели takes the goals and the correction of the last fit; goals typed drop the correction") << R"(
            menu actionLineFork ; within Form9 ; click Command3 ; information Модели ещё нет: подберите её в окне «Расчёты → Модель матча...».
            click Command2 ; end ; menu actionMatchModel ; within Form10 ; type Odds1 2.05 ; type Odds2 3.50 ; type Odds3 3.75
            type Over 1.95 ; type Under 1.90 ; is lbRho ρ: -0.0900 ; click Command2 ; end ; menu actionLineFork ; within Form9
            type Odds1 2.20 ; pick Market2 Х2 ; type Odds2 2.10 ; type Text1 100
            click Command3 ; is Text2 1.55463655598 ; is Text3 1.09317715493 ; is lbRho ρ: -0.0900 ; items Grid2 Победа 1 107.44 7.44 46.90 % *|Ничья или победа 2 107.44 7.44 53.10 % *
            type Text3 1.09317715493 ; is lbRho ; items Grid2 Победа 1 107.44 7.44 47.98 % *|Ничья или победа 2 107.44 7.44 52.02 % * ; click Command2 ; end
        )";
        QTest::newRow("the tables take what the window grows by; the window keeps its least size") << R"(
            menu actionLineFork ; within Form9 ; size Form9 720 560 ; resize 1000 900 ; grown Form9 280 340
            grown Grid1 280 170 ; grown Grid2 280 170 ; grown Command2 0 0 ; resize 100 100 ; size Form9 720 560
            click Command2 ; end
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(LineForkWindowTest)
#include "test_line_fork_window.moc"
