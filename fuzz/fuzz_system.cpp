// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The system engine over arbitrary odds and sizes: only RuntimeError (and
// invalid_argument for a size outside 2..19) escapes; the total of size k is
// the elementary symmetric sum of order k of the odds, which is computed here
// in long double the textbook way; it is exactly 0 with fewer than k odds;
// and Overflow is raised only when a stored figure really leaves the single
// range.
#include "fuzz/fuzz_support.h"

#include "core/system_bet.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

using fuzz::quoted;
using fuzz::show;
using zoret::ErrorCode;
using zoret::RuntimeError;

constexpr long double singleMax = std::numeric_limits<float>::max();
constexpr long double tolerance = 1e-4L;

std::string describe(const std::vector<std::string>& items, int size)
{
    std::string out = "size " + show(size) + ", odds {";
    for (const auto& item : items)
        out += quoted(item) + ",";
    return out + "}";
}

// sums[j][i]: symmetric sum of order j of odds at positions i..20.
using Sums = std::array<std::array<long double, 22>, 21>;

Sums symmetricSums(const zoret::OddsArray& odds)
{
    Sums e{};
    for (int i = 1; i <= 21; ++i)
        e[0][i] = 1;
    for (int i = 20; i >= 1; --i)
        for (int j = 1; j <= 20; ++j)
            e[j][i] = e[j][i + 1] + static_cast<long double>(odds.at[i]) * e[j - 1][i + 1];
    return e;
}

// The largest figure the engine stores for this size: the tail sums of
// levels 1..size-1 and, below size 19, the total itself.
long double largestStored(const Sums& e, int size)
{
    long double largest = 0;
    for (int j = 1; j <= size - 1; ++j)
        for (int i = 2; i <= 21 - j; ++i)
            largest = std::max(largest, std::fabs(e[j][i]));
    if (size < zoret::maxSystemSize)
        largest = std::max(largest, std::fabs(e[size][1]));
    return largest;
}

std::vector<std::string> textItems(fuzz::Input& in)
{
    std::vector<std::string> items;
    while (!in.empty() && items.size() < 24)
        items.push_back(in.text(40, '\n'));
    return items;
}

// Odds the way a user types them, mostly in [1, 1000], some positions left
// empty and now and then any single at all.
std::vector<std::string> numericItems(fuzz::Input& in)
{
    std::vector<std::string> items;
    while (in.remaining() >= 2 && items.size() < zoret::systemPositions) {
        const auto code = in.raw<std::uint16_t>();
        if (code == 0)
            items.emplace_back();
        else if (code == 0xFFFF) {
            // Str has no text for infinities and NaN; those never reach it
            // from the window either.
            const float any = in.raw<float>();
            items.push_back(std::isfinite(any) ? zoret::Str(any) : std::string());
        } else
            items.push_back(zoret::Str(static_cast<float>(1.0 + 999.0 * (code - 1) / 65533.0)));
    }
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const int systemSize = in.byte() % 24 - 2; // -2..21: a few sizes the window never asks for
    const auto items = (in.byte() & 1) ? textItems(in) : numericItems(in);
    const std::string where = describe(items, systemSize);

    if (systemSize < zoret::minSystemSize || systemSize > zoret::maxSystemSize) {
        bool rejected = false;
        try {
            zoret::evaluateSystem(items, systemSize);
        } catch (const std::invalid_argument&) {
            rejected = true;
        }
        FUZZ_CHECK(rejected, where + ": a size outside 2..19 was accepted");
        return 0;
    }

    zoret::OddsArray odds;
    try {
        odds = zoret::loadOdds(items);
    } catch (const RuntimeError& error) {
        FUZZ_CHECK(error.code() == ErrorCode::Overflow, where + ": loadOdds raised " + fuzz::codeName(error.code()));
        return 0;
    }
    int count = 0;
    bool usual = true; // every odd in [1, 1000]
    for (int i = 1; i <= zoret::systemPositions; ++i) {
        const float x = odds.at[i];
        if (x != 0)
            ++count;
        if (x != 0 && !(x >= 1 && x <= 1000))
            usual = false;
    }
    const Sums e = symmetricSums(odds);

    double total = 0;
    try {
        total = zoret::evaluateSystem(items, systemSize).total;
    } catch (const RuntimeError& error) {
        FUZZ_CHECK(error.code() == ErrorCode::Overflow, where + ": raised " + fuzz::codeName(error.code()));
        if (usual)
            FUZZ_CHECK(largestStored(e, systemSize) >= singleMax * (1 - tolerance),
                       where + ": Overflow although every stored figure is at most "
                           + show(static_cast<double>(largestStored(e, systemSize))));
        return 0;
    }

    FUZZ_CHECK(std::isfinite(total), where + ": total " + show(total));
    if (count < systemSize) {
        FUZZ_CHECK(total == 0, where + ": " + show(count) + " odds give " + show(total) + " instead of 0");
        return 0;
    }
    if (usual) {
        const long double exact = e[systemSize][1];
        FUZZ_CHECK(std::fabs(static_cast<long double>(total) - exact) <= tolerance * exact,
                   where + ": total " + show(total) + ", symmetric sum " + show(static_cast<double>(exact)));
    }
    return 0;
}
