// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/system_bet.h"

#include "core/convert.h"

#include <stdexcept>
#include <string_view>

namespace zoret {

namespace {

void requireSize(int size)
{
    if (size < minSystemSize || size > maxSystemSize)
        throw std::invalid_argument("system size must be 2..19");
}

} // namespace

OddsArray loadOdds(std::span<const std::string> items)
{
    OddsArray odds;
    for (int i = 1; i <= systemPositions; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        const std::string_view text = index < items.size() ? std::string_view(items[index]) : std::string_view();
        odds.at[i] = toSingle(Val(text));
    }
    return odds;
}

TailSums buildTailSums(const OddsArray& odds, int levels)
{
    if (levels < 1 || levels > systemLevels)
        throw std::invalid_argument("tail-sum levels must be 1..18");

    TailSums table;
    auto& t = table.cell;
    const auto& x = odds.at;

    t[1][20] = x[20];
    for (int i = 19; i >= 2; --i)
        t[1][i] = toSingle(double(t[1][i + 1]) + double(x[i]));

    for (int k = 2; k <= levels; ++k) {
        const int last = 21 - k;
        t[k][last] = toSingle(double(t[k - 1][last + 1]) * double(x[last]));
        // One expression per cell: the product of two singles is exact in
        // double, and the sum is rounded only once, when it is stored.
        for (int i = last - 1; i >= 2; --i)
            t[k][i] = toSingle(double(x[i]) * double(t[k - 1][i + 1]) + double(t[k][i + 1]));
    }
    return table;
}

double systemTotal(const OddsArray& odds, const TailSums& table, int size)
{
    requireSize(size);
    const auto& t = table.cell;
    const auto& x = odds.at;

    double sum = 0;
    for (int i = 1; i <= 21 - size; ++i)
        sum += double(x[i]) * double(t[size - 1][i + 1]);

    if (size == maxSystemSize)
        return checked(sum);
    return toSingle(sum);
}

SystemEvaluation evaluateSystem(std::span<const std::string> items, int size)
{
    requireSize(size);
    SystemEvaluation result;
    result.odds = loadOdds(items);
    result.tailSums = buildTailSums(result.odds, size - 1);
    result.total = systemTotal(result.odds, result.tailSums, size);
    return result;
}

std::string systemTotalText(int size, double total)
{
    requireSize(size);
    if (size == maxSystemSize)
        return Str(total);
    return Str(toSingle(total));
}

} // namespace zoret
