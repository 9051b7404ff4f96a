// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

// The settlement window as a user reaches it from the main window: which
// control is read, where each result goes, what is kept between openings.
// The amounts themselves are the core's.
class SettlementWindowTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("the button needs one event in the list") << R"(
            add 2 ; enabled Command11 ; select List1 0 ; click Command2 ; disabled Command11 ; type Text1 2
            key Text1 Enter ; click Command4 ; disabled Command11
        )";
        QTest::newRow("one event: a single, results empty until a sum is a number") << R"(
            add 2 ; click Command11 ; within Form3 ; items Grid1  2 ; items Combo1 Ординар ; is Fix1 0 ; is Option1 1
            items Grid2 ; items Result1 Ожидается|Выигрыш|Проигрыш|Возврат|Половина выигрыша|Половина проигрыша
            type Text1 10,5 ; is lbReturn 0.00 – 21.00
            items Grid2 0 0.00 0.00 -10.50 -10.50|1 21.00 21.00 10.50 10.50 * ; type Text1 abc
            is lbReturn Впишите сумму ставки ; is lbLines ; items Grid2 ; type Text1 ; is lbReturn ; click Command1
            end
        )";
        QTest::newRow("three of five for the whole bet, settled event by event") << R"(
            add 1.9 2.0 2.5 2.8 3.0 ; click Command11 ; within Form3 ; pick Combo1 Система 5/3 ; type Text1 1000
            is lbLineStake 1000.00 ; click Option2 ; is lbLines 10 ; is lbLineStake 100.00 ; is lbTotalStake 1000.00
            is lbProfit -1000.00 – 13185.00 ; pick Result1 Выигрыш ; pick Result2 Возврат
            pick Result3 Половина выигрыша ; pick Result4 Проигрыш ; pick Result5 Выигрыш ; is lbReturn 2425.00
            is lbWinning 4 ; items Grid2 0 2425.00 2425.00 1425.00 1425.00 * ; key Text1 Esc ; end
        )";
        QTest::newRow("a banker tick offers the systems of the others, keeping the size") << R"(
            add 2 2 2 2 2 ; click Command11 ; within Form3 ; pick Combo1 Система 5/3 ; click Fix1
            items Combo1 Экспресс|Система 4/1|Система 4/2|Система 4/3 ; is Combo1 Система 4/3 ; click Fix2
            is Combo1 Экспресс ; click Command1 ; end
        )";
        QTest::newRow("over twenty events only the accumulator") << R"(
            add 21*2 ; click Command11 ; within Form3 ; items Combo1 Экспресс ; click Command1 ; end
        )";
        QTest::newRow("the same list keeps marks, names, bet and sum; a changed one starts afresh") << R"(
            add 2 3 4 5 ; click Command11 ; within Form3 ; pick Result1 Выигрыш ; click Fix4 ; pick Combo1 Система 3/2
            type Event2 Зенит – Спартак, П2 ; type Text1 10 ; click Option2 ; click Command1 ; end ; click Command11
            within Form3 ; is Result1 Выигрыш ; is Fix4 1 ; is Combo1 Система 3/2 ; is Text1 10 ; is Option2 1
            is lbLines 3 ; is Event2 Зенит – Спартак, П2 ; click Command1 ; end ; type Text1 6 ; key Text1 Enter
            click Command11 ; within Form3 ; is Result1 Ожидается ; is Fix4 0 ; is Event2 ; is Combo1 Экспресс ; is Text1
            is Option1 1 ; key Text1 Esc ; end
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(SettlementWindowTest)
#include "test_settlement_window.moc"
