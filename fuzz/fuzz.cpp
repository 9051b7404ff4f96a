// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz targets, one driver: with ZORET_FUZZ_TARGET that target's libFuzzer entry, else
// `fuzz_replay TARGET CORPUS-FOLDER COUNT` for ctest: every seed file, then COUNT inputs
// of a generator seeded with ZORET_FUZZ_SEED or a fixed seed. Properties: Val against a
// regular expression, CDbl/CInt, number-text round trips, half-even rounding, textbook sums,
// the fork split, settlement against every line and every ending of the open events, the
// fork calculator's rounding against every choice of rounding each stake down or up, the
// fair odds of every margin method, the journal's CSV files, odds in every format,
// (fuzz/match_model_fuzz.cpp) the match model's fit of its own 1X2 and total, and
// (fuzz/line_fork_fuzz.cpp) the fork on lines against every vertex of its split and every
// choice of rounding its stakes.
#include "core/civil_date.h"
#include "core/convert.h"
#include "core/exact_decimal.h"
#include "core/fair_odds.h"
#include "core/fair_odds_captions.h"
#include "core/fork.h"
#include "core/fork_calculator.h"
#include "core/journal_csv.h"
#include "core/journal_summary.h"
#include "core/number_text.h"
#include "core/odds_formats.h"
#include "core/runtime_error.h"
#include "core/settlement.h"
#include "core/system_bet.h"
#include "core/typed_number.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <regex>
#include <tuple>
#include <vector>

namespace {

using zoret::fuzz::check, zoret::fuzz::Input, zoret::fuzz::trying;

struct Outcome { // a number, or the code of the run-time error raised
    bool ok = false;
    zoret::ErrorCode code{};
    double value = 0;
    bool operator==(const Outcome& o) const { return ok == o.ok && (ok ? value == o.value : code == o.code); }
};
template <typename F>
Outcome attempt(F f)
{
    try {
        return {true, {}, static_cast<double>(f())};
    } catch (const zoret::RuntimeError& error) {
        return {false, error.code(), 0};
    }
}

using zoret::ErrorCode;
const Outcome overflow{false, ErrorCode::Overflow, 0};

// `value` to `digits` significant digits: what its text must read back as.
Outcome roundedTo(double value, int digits)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + 64, value, std::chars_format::scientific, digits - 1);
    double back = 0;
    return std::from_chars(buffer, written.ptr, back).ec == std::errc() ? Outcome{true, {}, back} : overflow;
}

template <typename T>
Outcome rounded(double value) // half to even, within T's range
{
    const double below = std::floor(value), fraction = value - below;
    const double r = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0) ? below + 1 : below;
    const bool fits = r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max();
    return fits ? Outcome{true, {}, r} : overflow;
}

zoret::LocaleSeparators separators(std::uint8_t choice)
{
    static const zoret::LocaleSeparators table[] = {
        {".", ","}, {",", " "}, {",", "\xc2\xa0"}, {",", "."}, {".", "'"}, {"\xd9\xab", "\xd9\xac"}, {".", ""}};
    return table[choice % 7];
}

// What Val must read; DivisionByZero: beyond a long double, Overflow or zero will do.
Outcome valExpected(const std::string& compact)
{
    if (!compact.empty() && compact[0] == '&') {
        const bool hex = compact.size() > 1 && (compact[1] | 0x20) == 'h';
        const std::size_t skip = 1 + (hex || (compact.size() > 1 && (compact[1] | 0x20) == 'o'));
        std::uint64_t n = 0;
        const auto read = std::from_chars(compact.data() + skip, compact.data() + compact.size(), n, hex ? 16 : 8);
        if (read.ec == std::errc::result_out_of_range || n > 0xFFFFFFFFu)
            return overflow;
        return {true, {}, n <= 0xFFFF ? double(std::int16_t(n)) : double(std::int32_t(std::uint32_t(n)))};
    }
    static const std::regex number(R"(([+-]?)([0-9]*)(\.([0-9]*))?([eEdD]([+-]?[0-9]+))?)");
    std::smatch m;
    std::regex_search(compact, m, number, std::regex_constants::match_continuous);
    if (m[2].length() == 0 && m[4].length() == 0)
        return {true, {}, 0.0};
    const std::string normal = (m[1] == "-" ? "-" : "") + (m[2].length() ? m[2].str() : "0") + "." + m[4].str() + "0"
                               + (m[6].matched ? "e" + m[6].str() : "");
    long double wide = 0;
    double value = 0;
    if (std::from_chars(normal.data(), normal.data() + normal.size(), value).ec == std::errc())
        return {true, {}, value};
    if (std::from_chars(normal.data(), normal.data() + normal.size(), wide).ec != std::errc())
        return {false, ErrorCode::DivisionByZero, 0};
    return std::fabs(wide) >= 1 ? overflow : Outcome{true, {}, m[1] == "-" ? -0.0 : 0.0};
}

// A locale byte, then text.
void text(Input in)
{
    zoret::setLocaleSeparators(separators(in.byte()));
    const std::string text = in.text();
    std::string compact;
    for (char c : text)
        compact += c != ' ' && c != '\t' && c != '\n' ? std::string(1, c) : "";
    const Outcome expected = valExpected(compact), val = attempt([&] { return zoret::Val(text); });
    const bool eitherDoes = expected.code == ErrorCode::DivisionByZero && (!val.ok || val.value == 0);
    check(eitherDoes || (val == expected && std::signbit(val.value) == std::signbit(expected.value)), "Val");
    const Outcome cdbl = attempt([&] { return zoret::CDbl(text); }), cint = attempt([&] { return zoret::CInt(text); });
    check(cdbl.ok ? std::isfinite(cdbl.value) : cdbl.code != ErrorCode::DivisionByZero, "CDbl finite or refused");
    check(cint == (cdbl.ok ? rounded<zoret::Integer>(cdbl.value) : cdbl), "CInt(text) is CDbl rounded");
    // Ungrouped text CDbl reads with the point is a plain number Val reads alike.
    const auto& locale = zoret::localeSeparators();
    if (cdbl.ok && locale.decimal == "." && (locale.group.empty() || text.find(locale.group) == std::string::npos))
        check(val == cdbl, "Val reads what CDbl reads");
    zoret::setLocaleSeparators({});
}

// A locale byte, then doubles, singles and integers from the same bytes.
void roundTrip(Input in)
{
    const auto locale = separators(in.byte());
    for (Input again = in; again.remaining() >= 8;) {
        const double x = again.raw<double>();
        check(attempt([&] { return zoret::CInt(x); }) == rounded<zoret::Integer>(x), "CInt rounds half to even");
        check(attempt([&] { return zoret::CLng(x); }) == rounded<zoret::Long>(x), "CLng rounds half to even");
        if (!std::isfinite(x))
            continue;
        check(attempt([&] { return zoret::Val(zoret::Str(x)); }) == roundedTo(x, 15), "Str keeps 15 digits");
    }
    zoret::setLocaleSeparators(locale);
    for (Input again = in; again.remaining() >= 4;)
        if (const float f = again.raw<float>(); std::isfinite(f)) {
            const std::string text = zoret::Str(f), local = zoret::CStr(f);
            check(locale.decimal == "." || local.find('.') == std::string::npos, "CStr's mark");
            check(attempt([&] { return zoret::Val(text); }) == roundedTo(f, 7), "Str keeps 7 digits");
            check(attempt([&] { return zoret::CDbl(local); }) == roundedTo(f, 7), "CStr keeps 7 digits");
        }
    for (Input again = in; again.remaining() >= 2;) {
        const auto i = again.raw<zoret::Integer>();
        const std::string text = zoret::CStr(i);
        check(attempt([&] { return zoret::CInt(text); }) == Outcome{true, {}, double(i)}
                  && attempt([&] { return zoret::CDbl(text); }) == Outcome{true, {}, double(i)},
              "CStr of an Integer reads back");
    }
    zoret::setLocaleSeparators({});
}

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

void systemBet(Input in)
{
    const int k = zoret::minSystemSize + in.byte() % (zoret::maxSystemSize - zoret::minSystemSize + 1);
    const auto items = oddsItems(in, in.byte() & 1);
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

void forkSplit(Input in)
{
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

// Settlement of up to 8 random events (coefficient, outcome, banker) under every bet
// offered, against the slow way: every line as a set of events, every ending of the
// open ones tried; per unit staked on each line.
void settlement(Input in)
{
    using zoret::Outcome;
    std::vector<zoret::SlipEvent> events(1 + in.byte() % 8);
    int bankers = 0;
    for (auto& e : events) {
        const auto marks = in.byte();
        e = {mpq_class(100 + in.byte() * 7) / 100, Outcome(marks % 6), (marks & 0x80) != 0};
        bankers += e.banker;
    }
    const auto n = static_cast<std::uint32_t>(events.size());
    for (const zoret::Bet bet : zoret::offeredBets(int(n), bankers)) {
        const bool system = bet.kind == zoret::BetKind::System;
        std::uint32_t fixed = 0, open = 0, lost = 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            fixed |= !system || events[i].banker ? 1u << i : 0;
            open |= events[i].outcome == Outcome::Open ? 1u << i : 0;
            lost |= events[i].outcome == Outcome::Lost ? 1u << i : 0;
        }
        std::vector<std::uint32_t> lines;
        for (std::uint32_t m = 0; m < (1u << n); ++m)
            if ((m & fixed) == fixed && std::popcount(m & ~fixed) == (system ? bet.size : 0))
                lines.push_back(m);
        const auto mine = zoret::settle(events, bet, 1, zoret::SumMode::PerLine);
        check(mine.lines == static_cast<long long>(lines.size()), "the number of lines");
        check(mine.linesWon == std::count_if(lines.begin(), lines.end(), [&](auto l) { return !(l & (open | lost)); }),
              "the lines already won");
        check(mine.whatIf.size() == std::size_t(std::popcount(open)) + 1, "a row for every number of winners");
        std::vector<zoret::Range> slow(mine.whatIf.size());
        std::vector<bool> seen(slow.size());
        for (std::uint32_t winners = open;; winners = (winners - 1) & open) { // every subset of the open events
            mpq_class paid = 0;
            for (const auto line : lines) {
                mpq_class product = 1;
                for (std::uint32_t i = 0; i < n; ++i) {
                    const mpq_class& c = events[i].coefficient;
                    const Outcome end = events[i].outcome != Outcome::Open ? events[i].outcome
                                        : (winners >> i) & 1               ? Outcome::Won
                                                                           : Outcome::Lost;
                    const mpq_class f = end == Outcome::Won        ? c
                                        : end == Outcome::Void     ? mpq_class(1)
                                        : end == Outcome::HalfWon  ? mpq_class((c + 1) / 2)
                                        : end == Outcome::HalfLost ? mpq_class(1, 2)
                                                                   : mpq_class(0);
                    product *= line & (1u << i) ? f : mpq_class(1);
                }
                paid += product;
            }
            const auto j = std::size_t(std::popcount(winners));
            slow[j] = {seen[j] ? std::min(slow[j].least, paid) : paid, seen[j] ? std::max(slow[j].most, paid) : paid};
            seen[j] = true;
            if (winners == 0)
                break;
        }
        for (std::size_t j = 0; j < slow.size(); ++j)
            check(mine.whatIf[j].payout.least == slow[j].least && mine.whatIf[j].payout.most == slow[j].most,
                  "the least and the most of every number of winners");
    }
}

// Up to 12 outcomes (odds 1.01 to 21, a commission, a share tick), a total or one fixed stake,
// a step: the rounding matches the best of every choice of each stake down or up (no loss where
// one can be avoided, else the smallest; then the least largest shortfall; then the smaller
// total; the total may not grow).
void forkRounding(Input in)
{
    static const mpq_class steps[] = {mpq_class(1, 100), mpq_class(1, 10), 1, 5, 10, 50, 100};
    const std::uint8_t flags = in.byte();
    std::vector<zoret::ForkLeg> legs(2 + in.byte() % 11);
    for (auto& leg : legs) {
        const auto marks = in.byte();
        const mpq_class odds = 1 + mpq_class(1 + in.raw<std::uint16_t>() % 2000) / 100;
        leg = {zoret::effectiveOdds(odds, marks % 16), (marks & 32) != 0};
    }
    const mpq_class& step = steps[flags % 7];
    const mpq_class amount = mpq_class(1 + in.raw<std::uint16_t>()) / 4;
    const auto fixedRow = flags & 8 ? std::optional<std::size_t>((flags >> 4) % legs.size()) : std::nullopt;
    const auto exact = fixedRow ? zoret::planForkAround(legs, *fixedRow, amount) : zoret::planFork(legs, amount);
    if (!exact)
        return;
    const auto rounded = zoret::roundForkPlan(legs, *exact, step, fixedRow);
    const auto exactProfits = zoret::forkProfits(legs, *exact), profits = zoret::forkProfits(legs, rounded);
    // Each outcome falls short of its exact profit by g + the total, g its exact profit less its payout.
    std::vector<mpq_class> g, gUp(legs.size());
    std::vector<std::size_t> movable;
    mpq_class lowTotal = 0, roundedTotal = 0, mine = exactProfits[0] - profits[0];
    for (std::size_t i = 0; i < legs.size(); ++i) {
        const mpq_class& x = exact->stakes[i];
        const mpq_class units = x / step;
        mpz_class down;
        mpz_fdiv_q(down.get_mpz_t(), units.get_num_mpz_t(), units.get_den_mpz_t());
        const mpq_class low = i == fixedRow ? x : mpq_class(down * step);
        check(rounded.stakes[i] == low || (low != x && rounded.stakes[i] == low + step), "each stake down or up");
        g.push_back(exactProfits[i] - low * legs[i].odds), gUp[i] = exactProfits[i] - (low + step) * legs[i].odds;
        lowTotal += low, roundedTotal += rounded.stakes[i],
            mine = std::max(mine, mpq_class(exactProfits[i] - profits[i]));
        if (low != x)
            movable.push_back(i);
    }
    check(rounded.total == roundedTotal && (fixedRow || rounded.total <= exact->total), "the rounded total");
    // The loss that rounding cannot avoid (0 when some choice loses nowhere), the largest shortfall, the total.
    std::optional<std::tuple<mpq_class, mpq_class, mpq_class>> best;
    for (std::uint32_t code = 0; code < 1u << movable.size(); ++code) { // Gray codes: one stake changes at a time
        if (const auto flip = std::size_t(std::countr_zero(code)); code != 0)
            std::swap(g[movable[flip]], gUp[movable[flip]]);
        const mpq_class total = lowTotal + step * std::popcount(code ^ code >> 1);
        const mpq_class worst = *std::max_element(g.begin(), g.end()) + total;
        mpq_class loss = 0;
        for (std::size_t i = 0; i < legs.size(); ++i)
            loss = std::min(loss, mpq_class(exactProfits[i] - g[i] - total));
        const std::tuple<mpq_class, mpq_class, mpq_class> key{-loss, worst, total};
        if ((fixedRow || total <= exact->total) && (!best || key < *best))
            best = key;
    }
    const mpq_class myLoss = std::min(mpq_class(0), *std::min_element(profits.begin(), profits.end()));
    check(-myLoss == std::get<0>(*best), "no loss where rounding can avoid it, else the smallest");
    check(mine == std::get<1>(*best) && rounded.total == std::get<2>(*best),
          "then the smallest largest shortfall, then the smaller total");
}

// Odds of 2 to 20 outcomes in (1, 1000], spread out, a hair above 1 or near 1000: every
// method's probabilities add up to 1 and keep the order of the implied ones, the solvers
// within their steps. The same bytes then as typed texts: the captions never throw.
void fairOdds(Input in)
{
    const Input typed = in;
    std::vector<double> odds(2 + in.byte() % 19), implied;
    double total = 0;
    for (auto& k : odds) {
        const auto bits = in.raw<std::uint16_t>();
        const int low = bits & 0x3FFF;
        k = bits >> 14 == 0   ? 1 + std::ldexp(1.0, -1 - low % 52)
            : bits >> 14 == 1 ? 1000 - low / 100.0
                              : 1 + 999 * ((bits & 0x7FFF) + 1) / 32768.0;
        implied.push_back(1 / k), total += implied.back();
    }
    for (const auto method : zoret::marginMethodOrder) {
        const auto fair = zoret::fairProbabilities(method, odds);
        check(fair.steps < zoret::maxSolverSteps, "the solver stops within its steps");
        double sum = 0;
        for (std::size_t i = 0; i < odds.size(); ++i) {
            sum += fair.probabilities[i];
            for (std::size_t j = 0; j < odds.size(); ++j)
                check(implied[i] <= implied[j] || fair.probabilities[i] >= fair.probabilities[j], "the order kept");
        }
        check(total <= 1 ? fair.probabilities == implied : std::fabs(sum - 1) <= 1e-9, "the probabilities add up");
    }
    in = typed;
    const auto method = zoret::marginMethodOrder[in.byte() % 4];
    const auto share = zoret::kellyShareOrder[in.byte() % 4];
    const std::string bank = in.text(~std::size_t{}, '\n');
    std::vector<zoret::FairOddsEntry> entries;
    while (in.remaining() > 0 && entries.size() < 24)
        entries.push_back({in.text(~std::size_t{}, '\n'), in.text(~std::size_t{}, '\n')});
    // Anything thrown out of the captions ends the run.
    check(zoret::fairOddsCaptions(method, entries, bank, share).rows.size() == entries.size(), "a row each");
}

// A random bet of the journal: texts of any bytes, any marks, one of the bets its events offer.
zoret::JournalBet journalBet(Input& in)
{
    zoret::JournalBet bet;
    const auto digits = [&](int count) {
        std::string out;
        for (int i = 0; i < count; ++i)
            out += char('0' + in.byte() % 10);
        return out;
    };
    bet.placedAt = zoret::dateText({2000 + in.byte() % 30, 1 + in.byte() % 12, 1 + in.byte() % 28}) + " "
                   + char('0' + in.byte() % 2) + digits(1) + ":" + char('0' + in.byte() % 6) + digits(1) + ":"
                   + char('0' + in.byte() % 6) + digits(1);
    bet.bookmaker = in.text(8, 0), bet.note = in.text(12, 0);
    int bankers = 0;
    for (int i = 1 + in.byte() % 6; i > 0; --i) {
        const auto marks = in.byte();
        const auto closing = in.byte(); // none, or 1 and decimals after a point or a comma
        bet.events.push_back({" " + digits(1 + marks % 3) + "." + digits(in.byte() % 3), zoret::Outcome(marks % 6),
                              (marks & 0x80) != 0, in.text(8, 0),
                              closing % 3 == 0 ? "" : "1" + std::string(closing % 3 == 1 ? "." : ",") + digits(2)});
        bankers += bet.events.back().banker;
    }
    const auto offered = zoret::offeredBets(int(bet.events.size()), bankers);
    bet.bet = offered[in.byte() % offered.size()];
    bet.sumText = digits(1 + in.byte() % 4) + (in.byte() % 2 ? "," : ".") + digits(in.byte() % 3);
    bet.sumMode = zoret::SumMode(in.byte() % 2);
    return bet;
}

bool sameValues(const zoret::JournalBet& a, const zoret::JournalBet& b)
{
    bool same = a.placedAt == b.placedAt && a.bookmaker == b.bookmaker && a.note == b.note && a.bet == b.bet
                && a.sumMode == b.sumMode && zoret::readSum(a.sumText) == zoret::readSum(b.sumText)
                && a.events.size() == b.events.size();
    for (std::size_t i = 0; same && i < a.events.size(); ++i)
        same = zoret::readListNumber(a.events[i].coefficientText) == zoret::readListNumber(b.events[i].coefficientText)
               && a.events[i].outcome == b.events[i].outcome && a.events[i].banker == b.events[i].banker
               && a.events[i].description == b.events[i].description
               && zoret::closingOdds(a.events[i].closingText) == zoret::closingOdds(b.events[i].closingText);
    return same;
}

// The journal's CSV. An odd first byte: random bets the journal keeps go through a file and
// come back with the same texts and values, and the file they write again is the same. An
// even one: rows of any bytes under a header of two events, of this version or the one
// before it, are read all or nothing, a fault
// named at a line of the file, and whatever reads writes a file that reads and writes alike.
void journalCsvFile(Input in)
{
    std::vector<zoret::JournalBet> bets;
    std::string file;
    if (in.byte() % 2) {
        for (int i = in.byte() % 4; i > 0; --i)
            if (auto bet = journalBet(in); !zoret::betProblem(bet))
                bets.push_back(std::move(bet));
        file = zoret::journalCsv(bets);
    } else {
        file = in.byte() % 2 ? "Дата;Букмекер;Заметка;Вид;Система;Сумма;Режим суммы;Коэффициент 1;Результат 1;Банкер 1;"
                               "Описание 1;Коэффициент 2;Результат 2;Банкер 2;Описание 2\r\n"
                             : "Дата;Букмекер;Заметка;Вид;Система;Сумма;Режим суммы;Статус;Выплата;Прибыль;CLV;"
                               "Коэффициент 1;Результат 1;Банкер 1;Описание 1;Закрытие 1;Коэффициент 2;Результат 2;"
                               "Банкер 2;Описание 2;Закрытие 2\r\n";
        file += in.text();
        const auto read = zoret::readJournalCsv(file);
        const auto lines = 1 + std::count(file.begin(), file.end(), '\n') + std::count(file.begin(), file.end(), '\r');
        check(read.error.empty() ? read.line == 0 : read.bets.empty() && read.line >= 1 && read.line <= lines,
              "a fault names a line of the file and returns no bet");
        for (const auto& bet : read.bets)
            check(!zoret::betProblem(bet), "every bet read is one the journal keeps");
        bets = read.bets, file = zoret::journalCsv(bets);
    }
    const auto back = zoret::readJournalCsv(file);
    check(back.error.empty() && back.bets.size() == bets.size(), "a written file reads");
    for (std::size_t i = 0; i < bets.size(); ++i)
        check(sameValues(bets[i], back.bets[i]), "every bet reads back with its texts and values");
    check(zoret::journalCsv(back.bets) == file, "a file read and written again is the same");
}

// Decimal odds 1 + a/b for a and b from 1 to 2^32, then a text. "Exact" means:
// the fraction, every format's figure and every typed text stand for the
// decimal odds exactly, both ways; the rounded texts (the decimal, Hong Kong,
// Malay, Indonesian and the probability at their decimals, American at two)
// are the figure's nearest at their decimals, and read back exactly where
// the figure has no more decimals than its text.
void oddsFormats(Input in)
{
    using zoret::OddsFormat;
    const auto a = in.raw<std::uint32_t>(), b = in.raw<std::uint32_t>();
    mpq_class win(mpz_class(a) + 1, mpz_class(b) + 1);
    win.canonicalize();
    const mpq_class decimal = 1 + win;
    for (const OddsFormat format : zoret::oddsFormatOrder) {
        const mpq_class figure = zoret::formatValue(format, decimal);
        check(zoret::decimalFrom(format, figure) == decimal, "a figure stands for its odds");
        const std::string text = zoret::oddsText(format, decimal);
        const auto back = zoret::readOdds(format, text).decimal;
        if (format == OddsFormat::Fractional) {
            check(back == decimal, "the fraction reads back exactly");
            continue;
        }
        const int decimals =
            format == OddsFormat::HongKong || format == OddsFormat::Probability || format == OddsFormat::American ? 2
                                                                                                                  : 3;
        const auto shown = zoret::readTypedNumber(text.substr(0, text.find(' ')));
        mpq_class unit = 1;
        for (int i = 0; i < decimals; ++i)
            unit /= 10;
        check(shown && abs(*shown - figure) <= unit / 2, "the nearest at its decimals");
        const mpq_class units = figure / unit;
        if (units.get_den() == 1)
            check(back == decimal, "a text that loses nothing reads back exactly");
        check(format != OddsFormat::American || back, "American odds always read back");
    }
    // A typed text: read exactly in every format, never past the number it writes.
    const std::string typed = in.text();
    const std::string_view trimmed = zoret::trimBlanks(typed);
    const std::string plain =
        trimmed.starts_with("\xE2\x88\x92") ? "-" + std::string(trimmed.substr(3)) : std::string(trimmed);
    for (const OddsFormat format : zoret::oddsFormatOrder) {
        const auto read = zoret::readOdds(format, typed);
        check(read.decimal.has_value() == read.note.empty() || zoret::isBlankText(typed), "odds or a reason");
        if (!read.decimal || format == OddsFormat::Fractional)
            continue;
        const bool percent = format == OddsFormat::Probability && plain.ends_with('%');
        const auto written = zoret::readTypedNumber(percent ? plain.substr(0, plain.size() - 1) : plain);
        const mpq_class figure = zoret::formatValue(format, *read.decimal);
        check(*read.decimal > 1 && written && (figure == *written || figure == -*written), "the typed figure exactly");
    }
}

auto targetNamed(const std::string& name)
{
    // clang-format off
    for (const auto& [known, run] : {std::pair<std::string, void (*)(Input)>{"fuzz_text", text},
             {"fuzz_round_trip", roundTrip}, {"fuzz_system", systemBet}, {"fuzz_fork", forkSplit},
             {"fuzz_settlement", settlement},
             {"fuzz_fork_rounding", forkRounding}, {"fuzz_fair_odds", fairOdds},
             {"fuzz_journal_csv", journalCsvFile},
             {"fuzz_odds_formats", oddsFormats},
             {"fuzz_match_model", zoret::fuzz::matchModel}, {"fuzz_line_fork", zoret::fuzz::lineFork}})
        if (known == name)
            return [f = run](const std::string& in) { f({reinterpret_cast<const std::uint8_t*>(in.data()), in.size()}); };
    // clang-format on
    std::fprintf(stderr, "no fuzz target %s\n", name.c_str()), std::exit(2);
}

} // namespace
#ifdef ZORET_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto run = targetNamed(ZORET_FUZZ_TARGET);
    return run(std::string(reinterpret_cast<const char*>(data), size)), 0;
}
#else
int main(int, char* argv[])
{
    const auto run = targetNamed(argv[1]);
    for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
        std::ifstream in(entry.path(), std::ios::binary);
        trying = "seed file " + entry.path().string(), run(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    const char* seed = std::getenv("ZORET_FUZZ_SEED") ? std::getenv("ZORET_FUZZ_SEED") : "20261206";
    std::mt19937 random(std::strtoul(seed, nullptr, 10));
    const std::string_view alphabet = "0123456789.,+-eEdD&HhO \t\n"; // half the bytes number-like
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        std::string bytes(random() % 72, ' ');
        for (auto& b : bytes)
            b = random() % 2 ? alphabet[random() % alphabet.size()] : char(random());
        char n[16];
        trying = "generated input " + std::string(n, std::to_chars(n, n + 16, i).ptr) + " of seed " + seed, run(bytes);
    }
}
#endif
