// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_fork.h"
#include "core/typed_number.h"
#include "tests/core/rows.h"

using namespace zoret;

namespace {

struct B {
    const char* market;
    long quarters;
    const char* odds;
    const char* commission = "0";
    bool lay = false;
};

std::vector<LineBet> betsOf(std::initializer_list<B> given)
{
    std::vector<LineBet> bets;
    for (const B& b : given)
        bets.push_back(
            {{*marketNamed(b.market), b.quarters}, *readTypedNumber(b.odds), *readTypedNumber(b.commission), b.lay});
    return bets;
}

std::vector<MarketLine> linesOf(const std::vector<LineBet>& bets)
{
    std::vector<MarketLine> lines;
    for (const auto& b : bets)
        lines.push_back(b.line);
    return lines;
}

// The exact stakes, then each class as caption=result.
std::string split(std::initializer_list<B> given, const char* outlay)
{
    const auto bets = betsOf(given);
    const auto classes = scoreClasses(linesOf(bets));
    const auto plan = planLineFork(bets, classes, *readTypedNumber(outlay));
    std::string out;
    for (const auto& s : plan.stakes)
        out += s.get_str() + " ";
    const auto payouts = lineForkPayouts(bets, classes, plan.stakes);
    for (std::size_t j = 0; j < classes.size(); ++j)
        out += "|" + classes[j].caption + "=" + mpq_class(payouts[j] - plan.outlay).get_str();
    return out;
}

TEST(LineFork, WorkedCases)
{
    // clang-format off
    checkRows({
        {"QuarterHandicaps", [] { return split({{"Ф1", -1, "2.10"}, {"Ф2", 1, "2.00"}}, "100"); }, "1500/31 1600/31 |Победа 1=50/31|Ничья=50/31|Победа 2=100/31"},
        {"QuarterTotalAgainstWhole", [] { return split({{"ТБ", 9, "2.15"}, {"ТМ", 8, "2.05"}}, "100"); }, "2000/53 3300/53 |Тотал 3+=-1000/53|Тотал 2=-1000/53|Тотал 0–1=1465/53"},
        {"HandicapDrawAway", [] { return split({{"Ф1", -1, "2.10"}, {"Х", 0, "3.50"}, {"П2", 0, "3.60"}}, "100"); }, "42000/857 19200/857 24500/857 |Победа 1=2500/857|Ничья=2500/857|Победа 2=2500/857"},
        {"Corridor", [] { return split({{"ТБ", 10, "2.10"}, {"ТМ", 14, "1.50"}}, "100"); }, "125/3 175/3 |Тотал 4+=-25/2|Тотал 3=75|Тотал 0–2=-25/2"},
        {"BackAndLay", [] { return split({{"П1", 0, "2.20"}, {"П1", 0, "2.10", "5", true}}, "1000"); }, "205000/447 220000/447 |Победа 1=4000/447|Ничья или победа 2=4000/447"},
    });
    // clang-format on
}

} // namespace
