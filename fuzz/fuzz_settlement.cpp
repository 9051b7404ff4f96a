// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Settlement of random slips: coefficients from 1 up (now and then any
// decimal, below 1 and huge ones among them), random outcomes, bankers and
// bets, settled exactly and compared with every line and every way the open
// events can end; the window's texts are built for the same slip and the
// sum text from the rest of the input, and none of them may throw.
#include "fuzz/fuzz_support.h"

#include "core/exact_decimal.h"
#include "core/settlement_captions.h"
#include "tests/core/settlement_oracle.h"

#include <vector>

namespace {

using fuzz::show;

constexpr std::size_t maxEvents = 8; // the brute force tries 2^events endings

std::string coefficientText(fuzz::Input& in)
{
    const auto code = in.raw<std::uint16_t>();
    if (code == 0xFFFF) {
        const double any = in.raw<double>();
        return std::isfinite(any) ? zoret::Str(any) : " 1";
    }
    return zoret::Str(1.0 + code / 100.0);
}

std::vector<zoret::SlipEntry> slipOf(fuzz::Input& in)
{
    std::vector<zoret::SlipEntry> slip(1 + in.byte() % maxEvents);
    for (auto& entry : slip) {
        const auto marks = in.byte();
        entry = {coefficientText(in), zoret::outcomeOrder[(marks & 0x7F) % 6], (marks & 0x80) != 0};
    }
    return slip;
}

std::string describe(const std::vector<zoret::SlipEntry>& slip, zoret::Bet bet)
{
    std::string out = "bet " + show(static_cast<int>(bet.kind)) + "/" + show(bet.size) + ", slip {";
    for (const auto& entry : slip)
        out += fuzz::quoted(entry.coefficientText) + ":" + show(static_cast<int>(entry.outcome))
               + (entry.banker ? "F" : "") + ",";
    return out + "}";
}

void compareWithBruteForce(const std::vector<zoret::SlipEvent>& events, zoret::Bet bet, const std::string& where)
{
    const auto mine = zoret::settle(events, bet, 1, zoret::SumMode::PerLine);
    const auto brute = oracle::bruteForce(events, bet);
    FUZZ_CHECK(mine.lines == brute.lines && mine.linesWon == brute.linesWon, where + ": lines or lines won");
    FUZZ_CHECK(mine.whatIf.size() == brute.unitPayouts.size(), where + ": what-if rows");
    for (std::size_t j = 0; j < mine.whatIf.size(); ++j) {
        const auto& payout = mine.whatIf[j].payout;
        FUZZ_CHECK(payout.least == brute.unitPayouts[j].least && payout.most == brute.unitPayouts[j].most,
                   where + ": winners " + show(j) + " pay " + payout.least.get_str() + " .. " + payout.most.get_str()
                       + ", every subset says " + brute.unitPayouts[j].least.get_str() + " .. "
                       + brute.unitPayouts[j].most.get_str());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const auto slip = slipOf(in);
    int bankers = 0;
    std::vector<zoret::SlipEvent> events;
    for (const auto& entry : slip) {
        bankers += entry.banker;
        if (const auto c = zoret::readListNumber(entry.coefficientText); c && *c >= 1)
            events.push_back({*c, entry.outcome, entry.banker});
    }
    const auto bets = zoret::offeredBets(static_cast<int>(slip.size()), bankers);
    const zoret::Bet bet = bets[in.byte() % bets.size()];
    const std::string where = describe(slip, bet);
    const auto mode = in.byte() & 1 ? zoret::SumMode::PerLine : zoret::SumMode::WholeBet;
    const auto shown = zoret::settlementCaptions(slip, bet, in.rest(), mode);
    if (events.size() < slip.size()) {
        FUZZ_CHECK(shown.lines.empty() && shown.whatIf.empty(), where + ": a coefficient below 1 was settled");
        return 0;
    }
    compareWithBruteForce(events, bet, where);
    return 0;
}
