// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/system_captions.h"

#include "core/convert.h"

#include <charconv>
#include <map>

namespace zoret {

namespace {

constexpr int minEvents = 3;
constexpr int maxEvents = 20;

// C(n, k) for n up to 20 from Pascal's triangle: additions only, so there
// is nothing to round or overflow on the way.
std::map<Integer, Long> buildCountTable()
{
    Long pascal[maxEvents + 1][maxEvents + 1] = {};
    for (int n = 0; n <= maxEvents; ++n) {
        pascal[n][0] = 1;
        for (int k = 1; k <= n; ++k)
            pascal[n][k] = pascal[n - 1][k - 1] + (k < n ? pascal[n - 1][k] : 0);
    }

    std::map<Integer, Long> table;
    for (int n = minEvents; n <= maxEvents; ++n)
        for (int k = 2; k <= n - 1; ++k)
            table.emplace(systemKey(static_cast<Integer>(n), static_cast<Integer>(k)), pascal[n][k]);
    return table;
}

const std::map<Integer, Long>& countTable()
{
    static const std::map<Integer, Long> table = buildCountTable();
    return table;
}

} // namespace

Integer systemKey(Integer eventCount, Integer systemSize) { return CInt(CStr(eventCount) + CStr(systemSize)); }

std::string systemName(Integer eventCount, Integer systemSize)
{
    return "Система " + CStr(eventCount) + "/" + CStr(systemSize);
}

std::optional<Long> accumulatorCount(Integer key)
{
    const auto& table = countTable();
    const auto found = table.find(key);
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

std::string accumulatorWord(Long count)
{
    long long magnitude = count;
    if (magnitude < 0)
        magnitude = -magnitude;
    const auto lastTwo = magnitude % 100;
    const auto last = magnitude % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return "экспрессов";
    if (last == 1)
        return "экспресс";
    if (last >= 2 && last <= 4)
        return "экспресса";
    return "экспрессов";
}

std::string countCaption(Integer key)
{
    const auto count = accumulatorCount(key);
    if (!count)
        return "Unknown";
    // CStr covers only the 16-bit type, and the counts reach 184756.
    char digits[12];
    const auto written = std::to_chars(digits, digits + sizeof digits, *count);
    return std::string(digits, written.ptr) + " " + accumulatorWord(*count);
}

} // namespace zoret
