// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fair_odds_captions.h"
#include "core/line_value.h"
#include "core/match_model.h"
#include "core/match_model_captions.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <cmath>

namespace zoret::fuzz {

namespace {

// A number in (low, high) from two bytes, never at either end.
double between(Input& in, double low, double high)
{
    return low + (high - low) * ((in.byte() << 8 | in.byte()) + 0.5) / 65536;
}

// A total line a bookmaker would open: a quarter or a half either side of
// the expected goals.
void fitOwnOdds(Input& in)
{
    ScoreModel m{between(in, 0.05, 6), between(in, 0.05, 6), 0};
    const RhoRange rho = allowedRho(m.lambda1, m.lambda2);
    // Inside the allowed range by a thousandth, so that no corrected score
    // keeps less than a thousandth of its Poisson probability: nearer the
    // ends ρ moves the odds by less than doubles resolve, and no fit can
    // tell it to 1e-9.
    m.rho = (1 - 1e-3) * between(in, rho.low, rho.high);
    const long line = std::max(2L, 4 * long(m.lambda1 + m.lambda2) + in.byte() % 5);
    const auto grid = scoreProbabilities(m);
    const auto shares = [&](Market market, long q) { return lineShares(lineOutcomes(grid, market, q)); };
    const LineShares over = shares(Market::Over, line);
    const auto fit = fitScoreModel({shares(Market::Home, 0).won, shares(Market::Away, 0).won,
                                    TotalTarget{line, over.won / (over.won + over.lost)}});
    check(fit.has_value(), "a model is fitted to its own odds");
    check(std::fabs(fit->lambda1 - m.lambda1) <= 1e-9 && std::fabs(fit->lambda2 - m.lambda2) <= 1e-9
              && std::fabs(fit->rho - m.rho) <= 1e-9,
          "the fit finds the model again");
}

} // namespace

void matchModel(Input typed)
{
    Input model = typed;
    fitOwnOdds(model);
    MatchModelEntry e;
    e.method = marginMethodOrder[typed.byte() % 4];
    e.market = allMarkets[typed.byte() % allMarkets.size()];
    for (std::string* text :
         {&e.home, &e.draw, &e.away, &e.totalLine, &e.over, &e.under, &e.lambda1, &e.lambda2, &e.line, &e.offered})
        *text = typed.text(24, '\n');
    matchModelCaptions(e);
}

} // namespace zoret::fuzz
