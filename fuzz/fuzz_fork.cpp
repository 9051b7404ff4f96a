// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The fork calculator over arbitrary odds, sums and centred sets: only
// RuntimeError escapes. The margin is the sum of the reciprocal odds; for
// positive odds that form a fork the stakes add up to the sum, uncentred
// outcomes pay the sum back, centred ones pay alike, and centring every
// outcome splits exactly like centring none.
#include "fuzz/fuzz_support.h"

#include "core/fork.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

using fuzz::show;
using zoret::ErrorCode;
using zoret::RuntimeError;

constexpr double tolerance = 1e-5;

std::string describe(int outcomes, const zoret::ForkOdds& odds, float sum, const zoret::CentredSet& centred)
{
    std::string out = show(outcomes) + " outcomes, odds {";
    for (int i = 0; i < outcomes; ++i)
        out += show(odds[static_cast<std::size_t>(i)]) + (centred[static_cast<std::size_t>(i)] ? "*," : ",");
    return out + "}, sum " + show(sum);
}

bool near(double a, double b) { return std::fabs(a - b) <= tolerance * std::max(std::fabs(a), std::fabs(b)); }

bool sameSplit(const zoret::ForkSplit& a, const zoret::ForkSplit& b)
{
    return a.totalReturn == b.totalReturn && a.stakes == b.stakes && a.payouts == b.payouts;
}

// Realistic odds in [1.01, ~100] and sums up to about a million, where the
// arithmetic properties are checked closely; raw bits cover everything else.
void realistic(fuzz::Input& in, zoret::ForkOdds& odds, float& sum)
{
    for (auto& k : odds)
        k = static_cast<float>(1.01 + in.raw<std::uint16_t>() / 655.35);
    sum = static_cast<float>(1 + in.raw<std::uint32_t>() % 1'000'000) / 4.0f;
}

void raw(fuzz::Input& in, zoret::ForkOdds& odds, float& sum)
{
    for (auto& k : odds)
        k = in.raw<float>();
    sum = in.raw<float>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::uint8_t flags = in.byte();
    const int outcomes = 2 + (flags & 3) % 3;
    zoret::CentredSet centred{};
    for (std::size_t i = 0; i < 4; ++i)
        centred[i] = (flags >> (2 + i)) & 1;
    zoret::ForkOdds odds{};
    float sum = 0;
    const bool checked = !(flags & 0x40);
    if (checked)
        realistic(in, odds, sum);
    else
        raw(in, odds, sum);
    const auto n = static_cast<std::size_t>(outcomes);
    const std::string where = describe(outcomes, odds, sum, centred);

    float margin = 0;
    try {
        margin = zoret::forkMargin(outcomes, odds);
        zoret::isFork(margin);
        zoret::holePercent(margin);
    } catch (const RuntimeError&) {
        return 0;
    }
    long double reciprocals = 0;
    for (std::size_t i = 0; i < n; ++i)
        reciprocals += 1.0L / odds[i];
    if (checked)
        FUZZ_CHECK(near(margin, static_cast<double>(reciprocals)), where + ": margin " + show(margin)
                                                                       + ", sum of reciprocals "
                                                                       + show(static_cast<double>(reciprocals)));

    zoret::ForkSplit split;
    try {
        split = zoret::forkStakes(outcomes, odds, sum, margin, centred);
    } catch (const RuntimeError&) {
        return 0;
    }
    for (std::size_t i = n; i < 4; ++i)
        FUZZ_CHECK(split.stakes[i] == 0 && split.payouts[i] == 0, where + ": an outcome past the last got a stake");

    // Centring all outcomes is the same as centring none, errors included.
    zoret::CentredSet all{};
    std::fill(all.begin(), all.begin() + outcomes, true);
    using Attempt = std::pair<zoret::ForkSplit, std::optional<ErrorCode>>;
    const auto tryStakes = [&](const zoret::CentredSet& set) -> Attempt {
        try {
            return {zoret::forkStakes(outcomes, odds, sum, margin, set), std::nullopt};
        } catch (const RuntimeError& error) {
            return {{}, error.code()};
        }
    };
    const auto [allSplit, allError] = tryStakes(all);
    const auto [noneSplit, noneError] = tryStakes(zoret::CentredSet{});
    FUZZ_CHECK(allError == noneError && (allError || sameSplit(allSplit, noneSplit)),
               where + ": centring every outcome differs from centring none");

    if (!checked || !zoret::isFork(margin))
        return 0;

    double staked = 0;
    for (std::size_t i = 0; i < n; ++i)
        staked += split.stakes[i];
    FUZZ_CHECK(near(staked, sum), where + ": stakes add up to " + show(staked));

    std::size_t centredCount = 0;
    for (std::size_t i = 0; i < n; ++i)
        centredCount += centred[i];
    const bool even = centredCount == 0 || centredCount == n;
    float centredPayout = -1;
    for (std::size_t i = 0; i < n; ++i) {
        const double payout = split.payouts[i];
        if (even) {
            FUZZ_CHECK(near(payout, split.totalReturn), where + ": even split pays " + show(payout) + " on outcome "
                                                            + show(i + 1) + ", not " + show(split.totalReturn));
        } else if (!centred[i]) {
            FUZZ_CHECK(near(payout, sum), where + ": uncentred outcome " + show(i + 1) + " pays " + show(payout));
        } else {
            FUZZ_CHECK(payout >= sum * (1 - tolerance),
                       where + ": centred outcome " + show(i + 1) + " pays only " + show(payout));
            if (centredPayout >= 0)
                FUZZ_CHECK(near(payout, centredPayout), where + ": centred outcomes pay unlike");
            centredPayout = static_cast<float>(payout);
        }
    }
    return 0;
}
