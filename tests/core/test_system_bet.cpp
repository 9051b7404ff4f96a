// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/system_bet.h"
#include "core/system_captions.h"
#include "tests/core/rows.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace zoret;

namespace {

const std::vector<std::string> four{" 1.85", " 2.1", " 1.5", " 3"};
std::vector<std::string> twenty(const char* odd) { return std::vector<std::string>(20, odd); }

// The total caption, or the run-time error; totals users checked by hand.
TEST(SystemBet, TotalToTheLastDigit)
{
    for (const auto& [name, items, size, expected] :
         std::initializer_list<std::tuple<const char*, std::vector<std::string>, int, const char*>>{
             {"FourOfSize2", four, 2, " 26.16"},
             {"FourOfSize3", four, 3, " 35.2575"},
             {"FourOfSize4", four, 4, " 17.4825"},
             {"FiveOfSize3", {"2.24", "2.69", "1.25", "2.78", "2.65"}, 3, " 119.2415"},
             {"TwentyOf1_5Size10", twenty("1.5"), 10, " 1.065396E+07"},
             {"Size19ShowsTheDouble", twenty("1.5"), 19, " 44336.7586669922"},
             {"TwentyOf100Size18", twenty("100"), 18, " 1.9E+38"},
             {"TwentyOf100Size19", twenty("100"), 19, " 2.00000011352822E+39"},
             {"OnlyTheNeededLevelsAreFormed", twenty("150"), 2, " 4275000"},
             {"SizeAboveTheCount", four, 5, " 0"},
             {"JunkReadsAsZero", {"abc", " 2", "", " 3"}, 2, " 6"},
             {"PastTwentyIgnored",
              [] {
                  auto l = twenty("2");
                  l.push_back("1e300");
                  return l;
              }(),
              19, " 10485760"},
             {"TotalBeyondSingle", twenty("105"), 18, "error 6"},
             {"LevelBeyondSingle", twenty("150"), 18, "error 6"},
             {"Size19LevelBeyondSingle", twenty("150"), 19, "error 6"},
             {"OddBeyondSingle", {"2", "1e39"}, 2, "error 6"},
             {"NegativeOddBeyondSingle", {"-1e39"}, 2, "error 6"},
         })
        EXPECT_EQ(outcome([&] { return systemTotalText(size, evaluateSystem(items, size).total); }), expected) << name;
    EXPECT_EQ(evaluateSystem(four, 2).total, double(26.16f)) << "TotalIsTheWidenedSingle";
    for (int size : {1, 20}) {
        EXPECT_THROW(evaluateSystem(four, size), std::invalid_argument) << size;
        EXPECT_THROW(systemTotalText(size, 1), std::invalid_argument) << size;
    }
    EXPECT_THROW(buildTailSums(loadOdds(four), 0), std::invalid_argument) << "NoLevels";
    EXPECT_THROW(buildTailSums(loadOdds(four), 19), std::invalid_argument) << "NineteenLevels";
}

TEST(SystemBet, CaptionsCountTheAccumulators)
{
    for (const auto& [name, events, size, caption] :
         std::initializer_list<std::tuple<const char*, int, int, const char*>>{
             {"FiveOfThree", 5, 3, "10 экспрессов"},
             {"ThreeOfTwo", 3, 2, "3 экспресса"},
             {"SevenOfTwo", 7, 2, "21 экспресс"},
             {"FourteenOfFour", 14, 4, "1001 экспресс"},
             {"FifteenOfFive", 15, 5, "3003 экспресса"},
             {"ThirteenOfThree", 13, 3, "286 экспрессов"},
             {"TwentyOfTen", 20, 10, "184756 экспрессов"},
             {"TwentyOfNineteen", 20, 19, "20 экспрессов"},
             {"SizeOfAll", 5, 5, "Unknown"},
             {"SizeOne", 5, 1, "Unknown"},
             {"TwoEvents", 2, 1, "Unknown"},
             {"TwentyOne", 21, 19, "Unknown"},
         }) {
        EXPECT_EQ(countCaption(systemKey(Integer(events), Integer(size))), caption) << name;
        EXPECT_EQ(systemName(Integer(events), Integer(size)),
                  "Система " + CStr(Integer(events)) + "/" + CStr(Integer(size)));
    }
    for (const auto& [count, word] : std::initializer_list<std::pair<Long, const char*>>{{0, "экспрессов"},
                                                                                         {4, "экспресса"},
                                                                                         {11, "экспрессов"},
                                                                                         {14, "экспрессов"},
                                                                                         {15, "экспрессов"},
                                                                                         {22, "экспресса"},
                                                                                         {101, "экспресс"},
                                                                                         {112, "экспрессов"},
                                                                                         {-21, "экспресс"}})
        EXPECT_EQ(accumulatorWord(count), word) << count;
}

} // namespace
