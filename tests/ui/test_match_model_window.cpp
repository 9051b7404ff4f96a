// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"

#include "core/match_model_captions.h"

namespace {

// What the tables of the model with expected goals 1.5 and 1.1 must list, from the core's captions: each row's cells
// joined by blanks, the rows by "|".
QString tablesOfPoisson()
{
    zoret::MatchModelEntry e;
    e.lambda1 = "1.5", e.lambda2 = "1.1";
    const auto c = zoret::matchModelCaptions(e);
    const auto listed = [](const std::vector<zoret::LinePriceRow>& rows) {
        QStringList out;
        for (const auto& r : rows)
            out << QString::fromStdString(r.line + ' ' + r.first + ' ' + r.second);
        return out.join('|');
    };
    QStringList scores;
    for (std::size_t h = 0; h < c.scores.size(); ++h) {
        QStringList cells{QString::number(h)};
        for (const auto& cell : c.scores[h])
            cells << QString::fromStdString(cell);
        scores << cells.join(' ');
    }
    return "items Grid1 " + listed(c.handicaps) + " ; items Grid2 " + listed(c.totals) + " ; items Grid3 "
           + scores.join('|');
}

} // namespace

// The match model window reached through the main window's menu: which box
// is read, where each figure and table goes, what a bad number keeps. The
// figures themselves are the core's.
class MatchModelWindowTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        const QString fit = "type Odds1 2,05 ; type Odds2 3.50 ; type Odds3 3.75 ; type Over 1.95 ; type Under 1,90";
        // clang-format off
        QTest::newRow("the menu opens it empty; the fit from odds fills every table; reopened it keeps them") << R"(
            menu actionMatchModel ; within Form10 ; focus Odds1 ; is TotalLine 2.5 ; is Combo1 Пропорциональный
            is lbLambda ; items Grid1 ; )" + fit + R"( ; is lbLambda λ: 1.555 – 1.093 ; is lbRho ρ: -0.0900
            is lbProbabilities П1 46.90 % · Х 27.47 % · П2 25.64 % ; is lbBoth Обе забьют: да 53.52 % / нет 46.48 % ; is lbNote
            click Command2 ; end ; menu actionMatchModel ; within Form10 ; is Odds1 2,05 ; is Under 1,90 ; is lbRho ρ: -0.0900
            key Odds1 Esc ; end
        )";
        QTest::newRow("the fit from expected goals; the odds take over once typed") << R"(
            menu actionMatchModel ; within Form10 ; type Lambda1 1,5 ; type Lambda2 1.1 ; is lbLambda λ: 1.500 – 1.100
            is lbRho ρ: 0.0000 ; is lbProbabilities П1 46.42 % · Х 25.77 % · П2 27.81 % ; is lbOther Другой счёт: 0.54 %
            )" + tablesOfPoisson() + R"(
            type Odds1 2.05 ; is lbNote Неверный коэффициент П1, Х или П2: нужны все три, больше 1 ; is lbLambda
            type Odds2 3.5 ; type Odds3 3.75 ; is lbRho ρ: 0.0000 ; is lbNote ; click Command1 ; is Odds1 ; is Lambda1
            is TotalLine 2.5 ; is lbLambda ; click Command2 ; end
        )";
        QTest::newRow("the value check of a quarter handicap, a result without a line, a total with no value") << R"(
            menu actionMatchModel ; within Form10 ; type Lambda1 1.5 ; type Lambda2 1.1 ; pick Market Ф1 ; enabled Line
            type Line -0,75 ; is lbFair 2.539 ; is lbEv ; type Offered 2.60 ; is lbEv +2.11 ; is lbKelly 1.66 %
            pick Market П1 ; disabled Line ; is lbFair 2.154 ; is lbEv +20.70 ; type Offered 2,2 ; is lbEv +2.13 ; pick Market ТБ ; type Line 2.5 ; type Offered 2
            is lbFair 2.077 ; is lbEv -3.69 ; is lbKelly не ставить ; click Command2 ; end
        )";
        QTest::newRow("a bad line or number says so and keeps the other boxes") << R"(
            menu actionMatchModel ; within Form10 ; )" + fit + R"( ; type TotalLine 0.3
            is lbNote Неверная линия тотала: число, кратное 0.25, от 0.5 ; is lbLambda ; items Grid2 ; is Odds1 2,05
            type TotalLine 2.25 ; is lbNote ; type Under ; is lbNote Тотал: нужны оба коэффициента, ТБ и ТМ, или ни одного
            type Under 1.9 ; pick Market Ф2 ; type Line 0.3 ; is lbNote Неверная линия ставки: число, кратное 0.25
            is lbFair ; type Line +0.25 ; is lbNote ; type Odds2 1e400
            is lbNote Неверный коэффициент П1, Х или П2: нужны все три, больше 1 ; is Odds3 3.75 ; click Command2 ; end
        )";
        QTest::newRow("the tables take what the window grows by") << R"(
            menu actionMatchModel ; within Form10 ; resize 1200 900 ; grown Command2 0 0 ; click Command2 ; end
        )";
        // clang-format on
    }
};

ZORET_UI_TEST_MAIN(MatchModelWindowTest)
#include "test_match_model_window.moc"
