// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The engines over any odds, against the textbook sums and every subset.
#include "fuzz/fuzz.h"

#include "core/convert.h"
#include "core/exact_decimal.h"
#include "core/fork.h"
#include "core/settlement_captions.h"
#include "core/system_bet.h"

#include <algorithm>
#include <bit>
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

// Odds typed, or as the window writes them: mostly in [1, 1000], some empty.
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

// What a line pays per unit on `event`, open ones ending as `wins` says.
mpq_class factor(const zoret::SlipEvent& event, bool wins)
{
    using enum zoret::Outcome;
    const auto outcome = event.outcome != Open ? event.outcome : wins ? Won : Lost;
    if (outcome == Won || outcome == HalfWon)
        return outcome == Won ? event.coefficient : (event.coefficient + 1) / 2;
    return outcome == Void ? mpq_class(1) : outcome == HalfLost ? mpq_class(1, 2) : mpq_class(0);
}

} // namespace

void system(const std::uint8_t* data, std::size_t size)
{
    Input in{data, size};
    const int k = in.byte() % 24 - 2; // a few sizes the window never asks for
    const auto items = oddsItems(in, in.byte() & 1);
    if (k < zoret::minSystemSize || k > zoret::maxSystemSize) {
        try {
            return zoret::evaluateSystem(items, k), check(false, "sizes outside 2..19 refused");
        } catch (const std::invalid_argument&) {
            return;
        }
    }
    const Outcome loaded = attempt([&] { return zoret::loadOdds(items).at[1]; });
    const Outcome total = attempt([&] { return zoret::evaluateSystem(items, k).total; });
    check(loaded.ok ? total.ok || total.code == zoret::ErrorCode::Overflow : total == loaded, "loading's error");
    if (!loaded.ok)
        return;
    // tail[j]: symmetric sum of order j of odds 2..20, the largest figures stored.
    const auto x = zoret::loadOdds(items).at;
    long double tail[21] = {1};
    bool usual = x[1] == 0 || (x[1] >= 1 && x[1] <= 1000);
    int count = x[1] != 0;
    for (int i = 2; i <= 20; ++i) {
        for (int j = i - 1; j >= 1; --j)
            tail[j] += tail[j - 1] * x[i];
        count += x[i] != 0;
        usual = usual && (x[i] == 0 || (x[i] >= 1 && x[i] <= 1000));
    }
    const long double exact = tail[k] + x[1] * tail[k - 1];
    long double largest = k < zoret::maxSystemSize ? exact : 0;
    for (int j = 1; j < k; ++j)
        largest = std::max(largest, tail[j]);
    if (!total.ok)
        return check(!usual || largest >= std::numeric_limits<float>::max() * (1 - 1e-4L), "Overflow only past it");
    check(count < k ? total.value == 0 : !usual || near(total.value, double(exact), 1e-4), "the symmetric sum");
}

void fork(const std::uint8_t* data, std::size_t size)
{
    Input in{data, size};
    const std::uint8_t flags = in.byte();
    const std::size_t n = 2 + (flags & 3) % 3;
    const int outcomes = int(n);
    const bool realistic = !(flags & 0x40); // checked closely; raw bits cover the rest
    zoret::ForkOdds odds{};
    for (auto& k : odds)
        k = realistic ? float(1.01 + in.raw<std::uint16_t>() / 655.35) : in.raw<float>();
    const float sum = realistic ? float(1 + in.raw<std::uint32_t>() % 1'000'000) / 4 : in.raw<float>();
    zoret::CentredSet centred{}, all{};
    std::size_t ticked = 0;
    long double reciprocals = 0;
    for (std::size_t i = 0; i < n; ++i)
        ticked += centred[i] = flags >> (2 + i) & 1, all[i] = true, reciprocals += 1.0L / odds[i];
    const Outcome margin = attempt([&] { return zoret::forkMargin(outcomes, odds); });
    if (!margin.ok || !attempt([&] { return zoret::holePercent(float(margin.value)); }).ok)
        return;
    check(!realistic || near(margin.value, double(reciprocals), 1e-5), "margin is the sum of reciprocals");
    zoret::ForkSplit split, even, none;
    const auto splitting = [&](zoret::ForkSplit& out, const zoret::CentredSet& set) {
        return attempt(
            [&] { return (out = zoret::forkStakes(outcomes, odds, sum, float(margin.value), set)).totalReturn; });
    };
    check(splitting(even, all) == splitting(none, {}) && even.stakes == none.stakes && even.payouts == none.payouts,
          "centring every outcome is centring none");
    if (!splitting(split, centred).ok || !realistic || !zoret::isFork(float(margin.value)))
        return;
    double staked = 0, centredPayout = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        staked += split.stakes[i];
        const double payout = split.payouts[i];
        check(i >= n                       ? split.stakes[i] == 0 && payout == 0
              : ticked == 0 || ticked == n ? near(payout, split.totalReturn, 1e-5)
              : !centred[i]                ? near(payout, sum, 1e-5)
                            : payout >= sum * (1 - 1e-5) && (centredPayout == 0 || near(payout, centredPayout, 1e-5)),
              "each outcome pays as promised");
        centredPayout = i < n && centred[i] ? payout : centredPayout;
    }
    check(near(staked, sum, 1e-5), "the stakes add up to the sum");
}

void settlement(const std::uint8_t* data, std::size_t size)
{
    Input in{data, size};
    std::vector<zoret::SlipEntry> slip(1 + in.byte() % 8); // the brute force tries 2^events endings
    std::vector<zoret::SlipEvent> events;
    int bankers = 0;
    for (auto& entry : slip) {
        const auto marks = in.byte();
        const auto code = in.raw<std::uint16_t>();
        const double any = code == 0xFFFF ? in.raw<double>() : 1.0 + code / 100.0;
        entry = {zoret::Str(std::isfinite(any) ? any : 1.0), zoret::outcomeOrder[(marks & 0x7F) % 6], marks >= 0x80};
        bankers += entry.banker;
        if (const auto c = zoret::readListNumber(entry.coefficientText); c && *c >= 1)
            events.push_back({*c, entry.outcome, entry.banker});
    }
    const auto bets = zoret::offeredBets(static_cast<int>(slip.size()), bankers);
    const zoret::Bet bet = bets[in.byte() % bets.size()];
    const auto mode = in.byte() & 1 ? zoret::SumMode::PerLine : zoret::SumMode::WholeBet;
    const auto shown = zoret::settlementCaptions(slip, bet, in.text(), mode);
    if (events.size() < slip.size())
        return check(shown.lines.empty() && shown.whatIf.empty(), "a coefficient below 1 is not settled");
    // The slow way: each line a mask of events, each ending of the open ones tried.
    std::uint32_t fixed = 0, open = 0, lost = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        fixed |= bet.kind != zoret::BetKind::System || events[i].banker ? 1u << i : 0;
        open |= events[i].outcome == zoret::Outcome::Open ? 1u << i : 0;
        lost |= events[i].outcome == zoret::Outcome::Lost ? 1u << i : 0;
    }
    std::vector<std::uint32_t> lines; // a system's line: `size` of the non-bankers with every banker
    long long won = 0;
    const int free = bet.kind == zoret::BetKind::System ? bet.size : 0;
    for (std::uint32_t mask = 0; mask < (1u << events.size()); ++mask)
        if ((mask & fixed) == fixed && std::popcount(mask & ~fixed) == free)
            lines.push_back(mask), won += (mask & (open | lost)) == 0;
    const auto mine = zoret::settle(events, bet, 1, zoret::SumMode::PerLine);
    check(mine.lines == (long long)lines.size() && mine.linesWon == won, "the lines of every subset");
    std::vector<zoret::Range> brute(std::size_t(std::popcount(open)) + 1);
    std::vector<bool> seen(brute.size());
    for (std::uint32_t winners = open;; winners = (winners - 1) & open) {
        mpq_class payout = 0;
        for (const auto line : lines) {
            mpq_class product = 1;
            for (std::size_t i = 0; i < events.size(); ++i)
                if (line >> i & 1)
                    product *= factor(events[i], winners >> i & 1);
            payout += product;
        }
        const auto j = std::size_t(std::popcount(winners));
        brute[j] = {seen[j] ? std::min(brute[j].least, payout) : payout,
                    seen[j] ? std::max(brute[j].most, payout) : payout};
        seen[j] = true;
        if (winners == 0)
            break;
    }
    bool same = mine.whatIf.size() == brute.size();
    for (std::size_t j = 0; same && j < brute.size(); ++j)
        same = mine.whatIf[j].payout.least == brute[j].least && mine.whatIf[j].payout.most == brute[j].most;
    check(same, "the payouts of every ending");
}

} // namespace fuzz
