// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/system_captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zoret {
namespace {

// Expected text is spelled out digit by digit rather than through the C
// library, which the program itself never uses for numbers.
std::string decimal(long long value)
{
    std::string text = value < 0 ? "-" : "";
    const auto magnitude = static_cast<unsigned long long>(value < 0 ? -value : value);
    std::string digits;
    for (auto rest = magnitude; digits.empty() || rest != 0; rest /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + rest % 10));
    return text + digits;
}

// C(n, k) by the multiplicative formula; each partial product is itself a
// binomial coefficient, so the division is exact.
long long binomial(int n, int k)
{
    long long value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}

// The agreement rule of the Russian noun, stated the way a grammar book does.
std::string expectedWord(long long count)
{
    const auto tens = count / 10 % 10;
    const auto units = count % 10;
    if (tens == 1)
        return "экспрессов";
    if (units == 1)
        return "экспресс";
    if (units == 2 || units == 3 || units == 4)
        return "экспресса";
    return "экспрессов";
}

std::vector<std::pair<int, int>> allSystems()
{
    std::vector<std::pair<int, int>> systems;
    for (int n = 3; n <= 20; ++n)
        for (int k = 2; k < n; ++k)
            systems.emplace_back(n, k);
    return systems;
}

class EverySystem : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(EverySystem, CaptionCountsTheAccumulators)
{
    const auto [n, k] = GetParam();
    const auto key = systemKey(static_cast<Integer>(n), static_cast<Integer>(k));
    const auto count = binomial(n, k);

    ASSERT_TRUE(accumulatorCount(key).has_value()) << key;
    EXPECT_EQ(*accumulatorCount(key), count);
    EXPECT_EQ(countCaption(key), decimal(count) + " " + expectedWord(count));
    EXPECT_EQ(systemName(static_cast<Integer>(n), static_cast<Integer>(k)), "Система " + decimal(n) + "/" + decimal(k));
}

INSTANTIATE_TEST_SUITE_P(NOutOfK, EverySystem, ::testing::ValuesIn(allSystems()),
                         [](const auto& info) { return decimal(info.param.first) + "_" + decimal(info.param.second); });

TEST(SystemCaptions, KeysAreTheDigitsSideBySide)
{
    EXPECT_EQ(systemKey(5, 3), 53);
    EXPECT_EQ(systemKey(12, 10), 1210);
    EXPECT_EQ(systemKey(20, 19), 2019);
    EXPECT_EQ(systemKey(20, 2), 202);

    std::set<Integer> keys;
    for (const auto& [n, k] : allSystems())
        keys.insert(systemKey(static_cast<Integer>(n), static_cast<Integer>(k)));
    EXPECT_EQ(keys.size(), 171u);
}

struct CaptionCase {
    Integer key;
    const char* caption;
};

class KnownCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(KnownCaption, Matches) { EXPECT_EQ(countCaption(GetParam().key), GetParam().caption); }

INSTANTIATE_TEST_SUITE_P(
    Examples, KnownCaption,
    ::testing::Values(CaptionCase{53, "10 экспрессов"}, CaptionCase{32, "3 экспресса"}, CaptionCase{72, "21 экспресс"},
                      CaptionCase{87, "8 экспрессов"}, CaptionCase{133, "286 экспрессов"},
                      CaptionCase{144, "1001 экспресс"}, CaptionCase{155, "3003 экспресса"},
                      CaptionCase{2010, "184756 экспрессов"}, CaptionCase{2019, "20 экспрессов"},
                      // k outside 2..n-1, or digits no system produces.
                      CaptionCase{55, "Unknown"}, CaptionCase{51, "Unknown"}, CaptionCase{33, "Unknown"},
                      CaptionCase{21, "Unknown"}, CaptionCase{2020, "Unknown"}, CaptionCase{2119, "Unknown"},
                      CaptionCase{201, "Unknown"}, CaptionCase{0, "Unknown"}, CaptionCase{3, "Unknown"},
                      CaptionCase{1009, "Unknown"}, CaptionCase{32767, "Unknown"}, CaptionCase{-53, "Unknown"}));

struct WordCase {
    Long count;
    const char* word;
};

class AccumulatorWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(AccumulatorWord, AgreesWithTheCount) { EXPECT_EQ(accumulatorWord(GetParam().count), GetParam().word); }

INSTANTIATE_TEST_SUITE_P(
    Counts, AccumulatorWord,
    ::testing::Values(WordCase{0, "экспрессов"}, WordCase{1, "экспресс"}, WordCase{2, "экспресса"},
                      WordCase{4, "экспресса"}, WordCase{5, "экспрессов"}, WordCase{10, "экспрессов"},
                      WordCase{11, "экспрессов"}, WordCase{12, "экспрессов"}, WordCase{14, "экспрессов"},
                      WordCase{15, "экспрессов"}, WordCase{21, "экспресс"}, WordCase{22, "экспресса"},
                      WordCase{25, "экспрессов"}, WordCase{101, "экспресс"}, WordCase{111, "экспрессов"},
                      WordCase{112, "экспрессов"}, WordCase{1001, "экспресс"}, WordCase{1152, "экспресса"},
                      WordCase{1113, "экспрессов"}, WordCase{184756, "экспрессов"}));

} // namespace
} // namespace zoret
