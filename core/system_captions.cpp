// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/system_captions.h"

#include "core/binomial.h"
#include "core/convert.h"
#include "core/system_bet.h"

#include <charconv>
#include <map>

namespace zoret {

namespace {

// The accumulator count of every key a system has.
std::map<Integer, Long> buildCountTable()
{
    std::map<Integer, Long> table;
    for (int n = minSystemEvents; n <= maxSystemEvents; ++n)
        for (int k = minSystemSize; k <= n - 1; ++k)
            table.emplace(systemKey(static_cast<Integer>(n), static_cast<Integer>(k)),
                          static_cast<Long>(binomial(n, k)));
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

std::string pluralWord(long long count, std::string_view one, std::string_view few, std::string_view many)
{
    const long long magnitude = count < 0 ? -count : count;
    const auto lastTwo = magnitude % 100;
    const auto last = magnitude % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return std::string(many);
    if (last == 1)
        return std::string(one);
    if (last >= 2 && last <= 4)
        return std::string(few);
    return std::string(many);
}

std::string accumulatorWord(Long count) { return pluralWord(count, "экспресс", "экспресса", "экспрессов"); }

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
