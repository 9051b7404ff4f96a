// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "core/system_bet.h"
#include "core/system_captions.h"
#include "tests/core/rows.h"

#include <stdexcept>
#include <vector>

using namespace zoret;

namespace {

const std::vector<std::string> four{" 1.85", " 2.1", " 1.5", " 3"};
std::vector<std::string> twenty(const char* odd, const char* more = nullptr)
{
    std::vector<std::string> odds(20, odd);
    return more ? odds.push_back(more), odds : odds;
}
// The total caption, or the run-time error.
std::string total(const std::vector<std::string>& items, int size)
{
    return outcome([&] { return systemTotalText(size, evaluateSystem(items, size).total); });
}
// The caption of a system of `events` and its name.
std::string caption(int events, int size)
{
    return countCaption(systemKey(Integer(events), Integer(size))) + "|" + systemName(Integer(events), Integer(size));
}

TEST(SystemBet, Table)
{
    const auto word = [](std::initializer_list<Long> counts) {
        std::string out;
        for (auto count : counts)
            out += std::string(accumulatorWord(count)) + " ";
        return out;
    };
    // clang-format off
    checkRows({
        {"FourOfSize2", total(four, 2), " 26.16"},
        {"FourOfSize3", total(four, 3), " 35.2575"},
        {"FourOfSize4", total(four, 4), " 17.4825"},
        {"FiveOfSize3", total({"2.24", "2.69", "1.25", "2.78", "2.65"}, 3), " 119.2415"},
        {"TwentyOf1_5Size10", total(twenty("1.5"), 10), " 1.065396E+07"},
        {"Size19ShowsTheDouble", total(twenty("1.5"), 19), " 44336.7586669922"},
        {"TwentyOf100Size18", total(twenty("100"), 18), " 1.9E+38"},
        {"TwentyOf100Size19", total(twenty("100"), 19), " 2.00000011352822E+39"},
        {"OnlyTheNeededLevelsAreFormed", total(twenty("150"), 2), " 4275000"},
        {"SizeAboveTheCount", total(four, 5), " 0"},
        {"JunkReadsAsZero", total({"abc", " 2", "", " 3"}, 2), " 6"},
        {"PastTwentyIgnored", total(twenty("2", "1e300"), 19), " 10485760"},
        {"TotalBeyondSingle", total(twenty("105"), 18), "error 6"},
        {"LevelBeyondSingle", total(twenty("150"), 18), "error 6"},
        {"Size19LevelBeyondSingle", total(twenty("150"), 19), "error 6"},
        {"OddBeyondSingle", total({"2", "1e39"}, 2), "error 6"},
        {"NegativeOddBeyondSingle", total({"-1e39"}, 2), "error 6"},
        {"TotalIsTheWidenedSingle", exact(evaluateSystem(four, 2).total), exact(double(26.16f))},
        {"FiveOfThree", caption(5, 3), "10 экспрессов|Система 5/3"},
        {"ThreeOfTwo", caption(3, 2), "3 экспресса|Система 3/2"},
        {"SevenOfTwo", caption(7, 2), "21 экспресс|Система 7/2"},
        {"FourteenOfFour", caption(14, 4), "1001 экспресс|Система 14/4"},
        {"FifteenOfFive", caption(15, 5), "3003 экспресса|Система 15/5"},
        {"ThirteenOfThree", caption(13, 3), "286 экспрессов|Система 13/3"},
        {"TwentyOfTen", caption(20, 10), "184756 экспрессов|Система 20/10"},
        {"TwentyOfNineteen", caption(20, 19), "20 экспрессов|Система 20/19"},
        {"SizeOfAll", caption(5, 5), "Unknown|Система 5/5"},
        {"SizeOne", caption(5, 1), "Unknown|Система 5/1"},
        {"TwoEvents", caption(2, 1), "Unknown|Система 2/1"},
        {"TwentyOne", caption(21, 19), "Unknown|Система 21/19"},
        {"Words", word({0, 4, 11, 14, 15, 22, 101, 112, -21}), "экспрессов экспресса экспрессов экспрессов экспрессов экспресса экспресс экспрессов экспресс "},
    });
    // clang-format on
    for (int size : {1, 20}) {
        EXPECT_THROW(evaluateSystem(four, size), std::invalid_argument) << size;
        EXPECT_THROW(systemTotalText(size, 1), std::invalid_argument) << size;
    }
    EXPECT_THROW(buildTailSums(loadOdds(four), 0), std::invalid_argument) << "NoLevels";
    EXPECT_THROW(buildTailSums(loadOdds(four), 19), std::invalid_argument) << "NineteenLevels";
}

} // namespace
