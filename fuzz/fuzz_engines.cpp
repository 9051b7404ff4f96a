// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The engines over any odds: a system's total is the symmetric sum of its
// odds (long double, the textbook way) and overflows only when a stored
// figure leaves the single range; a fork's margin is the sum of reciprocal
// odds and its split pays as promised; a settlement agrees with every line
// and every way the open events can end.
#include "fuzz/fuzz_support.h"

#include "core/convert.h"
#include "core/exact_decimal.h"
#include "core/fork.h"
#include "core/settlement_captions.h"
#include "core/system_bet.h"
#include "tests/core/settlement_oracle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace fuzz {
namespace {

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance * std::max(std::fabs(a), std::fabs(b));
}

// Odds as typed (lines of text) or as the window writes them: mostly in
// [1, 1000], some left empty, now and then any single.
std::vector<std::string> oddsItems(Input& in, bool typed)
{
    std::vector<std::string> items;
    while (typed && in.remaining() > 0 && items.size() < 24)
        items.push_back(in.text(40, '\n'));
    while (!typed && in.remaining() >= 2 && items.size() < 20) {
        const auto code = in.raw<std::uint16_t>();
        const float any = code == 0xFFFF ? in.raw<float>() : 0;
        items.push_back(code == 0 || !std::isfinite(any) ? std::string()
                        : code == 0xFFFF                 ? zoret::Str(any)
                                                         : zoret::Str(float(1.0 + 999.0 * (code - 1) / 65533.0)));
    }
    return items;
}

} // namespace

void system(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const int k = in.byte() % 24 - 2; // a few sizes the window never asks for
    const auto items = oddsItems(in, in.byte() & 1);
    std::string where = "size " + show(k) + ", odds";
    for (const auto& item : items)
        where += " " + quoted(item);
    if (k < zoret::minSystemSize || k > zoret::maxSystemSize) {
        bool refused = false;
        try {
            zoret::evaluateSystem(items, k);
        } catch (const std::invalid_argument&) {
            refused = true;
        }
        FUZZ_CHECK(refused, where + ": a size outside 2..19 was accepted");
        return;
    }
    const Outcome loaded = attempt([&] { return zoret::loadOdds(items).at[1]; });
    const Outcome total = attempt([&] { return zoret::evaluateSystem(items, k).total; });
    FUZZ_CHECK(loaded.ok ? total.ok || total.code == zoret::ErrorCode::Overflow : total == loaded,
               where + ": raised " + describe(total));
    if (!loaded.ok)
        return;
    // tail[j]: symmetric sum of order j of positions 2..20, which are the
    // largest figures the engine stores when every odd is at least 1.
    const auto x = zoret::loadOdds(items).at;
    long double tail[21] = {1};
    bool usual = true;
    int count = x[1] != 0;
    for (int i = 2; i <= 20; ++i) {
        for (int j = i - 1; j >= 1; --j)
            tail[j] += tail[j - 1] * x[i];
        count += x[i] != 0;
        usual = usual && (x[i] == 0 || (x[i] >= 1 && x[i] <= 1000));
    }
    usual = usual && (x[1] == 0 || (x[1] >= 1 && x[1] <= 1000));
    const long double exact = tail[k] + x[1] * tail[k - 1];
    long double largest = k < zoret::maxSystemSize ? exact : 0;
    for (int j = 1; j < k; ++j)
        largest = std::max(largest, tail[j]);
    if (!total.ok)
        return FUZZ_CHECK(!usual || largest >= std::numeric_limits<float>::max() * (1 - 1e-4L),
                          where + ": Overflow although every stored figure is at most " + show(double(largest)));
    FUZZ_CHECK(count < k ? total.value == 0 : !usual || near(total.value, double(exact), 1e-4),
               where + ": total " + show(total.value) + ", symmetric sum " + show(double(exact)));
}

void fork(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t flags = in.byte();
    const int outcomes = 2 + (flags & 3) % 3;
    const auto n = static_cast<std::size_t>(outcomes);
    zoret::CentredSet centred{}, all{};
    std::size_t ticked = 0;
    for (std::size_t i = 0; i < n; ++i)
        ticked += centred[i] = flags >> (2 + i) & 1;
    std::fill_n(all.begin(), n, true);
    // Realistic odds in [1.01, ~100] and sums up to a quarter million, where
    // the arithmetic is checked closely; raw bits cover everything else.
    const bool realistic = !(flags & 0x40);
    zoret::ForkOdds odds{};
    for (auto& k : odds)
        k = realistic ? float(1.01 + in.raw<std::uint16_t>() / 655.35) : in.raw<float>();
    const float sum = realistic ? float(1 + in.raw<std::uint32_t>() % 1'000'000) / 4 : in.raw<float>();
    std::string where = "sum " + show(sum) + ", odds";
    for (std::size_t i = 0; i < n; ++i)
        where += " " + show(odds[i]) + (centred[i] ? "*" : "");
    const Outcome margin = attempt([&] { return zoret::forkMargin(outcomes, odds); });
    if (!margin.ok || !attempt([&] { return zoret::holePercent(float(margin.value)); }).ok)
        return;
    long double reciprocals = 0;
    for (std::size_t i = 0; i < n; ++i)
        reciprocals += 1.0L / odds[i];
    FUZZ_CHECK(!realistic || near(margin.value, double(reciprocals), 1e-5), where + ": margin " + show(margin.value));
    zoret::ForkSplit split, even, none;
    const auto splitting = [&](zoret::ForkSplit& out, const zoret::CentredSet& set) {
        return attempt(
            [&] { return (out = zoret::forkStakes(outcomes, odds, sum, float(margin.value), set)).totalReturn; });
    };
    // Centring every outcome is the same as centring none, errors included.
    FUZZ_CHECK(splitting(even, all) == splitting(none, {}) && even.stakes == none.stakes
                   && even.payouts == none.payouts,
               where + ": centring every outcome differs from centring none");
    if (!splitting(split, centred).ok || !realistic || !zoret::isFork(float(margin.value)))
        return;
    double staked = 0, centredPayout = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        staked += split.stakes[i];
        const double payout = split.payouts[i];
        const bool ok = i >= n                       ? split.stakes[i] == 0 && payout == 0
                        : ticked == 0 || ticked == n ? near(payout, split.totalReturn, 1e-5)
                        : !centred[i]
                            ? near(payout, sum, 1e-5)
                            : payout >= sum * (1 - 1e-5) && (centredPayout == 0 || near(payout, centredPayout, 1e-5));
        FUZZ_CHECK(ok, where + ": outcome " + show(i + 1) + " pays " + show(payout));
        centredPayout = i < n && centred[i] ? payout : centredPayout;
    }
    FUZZ_CHECK(near(staked, sum, 1e-5), where + ": stakes add up to " + show(staked));
}

void settlement(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    std::vector<zoret::SlipEntry> slip(1 + in.byte() % 8); // the brute force tries 2^events endings
    std::vector<zoret::SlipEvent> events;
    int bankers = 0;
    std::string where = "slip";
    for (auto& entry : slip) {
        const auto marks = in.byte();
        const auto code = in.raw<std::uint16_t>();
        const double any = code == 0xFFFF ? in.raw<double>() : 1.0 + code / 100.0;
        entry = {zoret::Str(std::isfinite(any) ? any : 1.0), zoret::outcomeOrder[(marks & 0x7F) % 6], marks >= 0x80};
        bankers += entry.banker;
        where += " " + quoted(entry.coefficientText) + ":" + show(int(entry.outcome)) + (entry.banker ? "F" : "");
        if (const auto c = zoret::readListNumber(entry.coefficientText); c && *c >= 1)
            events.push_back({*c, entry.outcome, entry.banker});
    }
    const auto bets = zoret::offeredBets(static_cast<int>(slip.size()), bankers);
    const zoret::Bet bet = bets[in.byte() % bets.size()];
    where += ", bet " + show(int(bet.kind)) + "/" + show(bet.size);
    const auto mode = in.byte() & 1 ? zoret::SumMode::PerLine : zoret::SumMode::WholeBet;
    const auto shown = zoret::settlementCaptions(slip, bet, in.rest(), mode);
    if (events.size() < slip.size())
        return FUZZ_CHECK(shown.lines.empty() && shown.whatIf.empty(), where + ": a coefficient below 1 was settled");
    const auto mine = zoret::settle(events, bet, 1, zoret::SumMode::PerLine);
    const auto brute = oracle::bruteForce(events, bet);
    bool same =
        mine.lines == brute.lines && mine.linesWon == brute.linesWon && mine.whatIf.size() == brute.unitPayouts.size();
    for (std::size_t j = 0; same && j < mine.whatIf.size(); ++j)
        same = mine.whatIf[j].payout.least == brute.unitPayouts[j].least
               && mine.whatIf[j].payout.most == brute.unitPayouts[j].most;
    FUZZ_CHECK(same, where + ": the lines or the payouts differ from every subset's");
}

} // namespace fuzz
