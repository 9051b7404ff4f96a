// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <optional>
#include <string_view>

// The one reader of what is typed in the number boxes of the calculators
// beyond the odds list (the fork calculator, fair odds and the windows after
// them): exact, with a decimal comma or point.
namespace zoret {

// No price, percentage or sum needs more significant digits; a pasted page
// of digits never reaches the arithmetic.
inline constexpr int maxTypedDigits = 15;

// A number: blanks around it, an optional sign, digits with at most one
// decimal comma or point, and at most `maxTypedDigits` digits once leading
// zeros are left out ("00002.50000000000000" is 2.5). Nothing for anything
// else.
std::optional<mpq_class> readTypedNumber(std::string_view text);

// Odds as a bettor types them: a decimal as above, a fraction "a/b" of whole
// numbers above 0 (odds 1 + a/b: "5/2" is 3.5) or an American value with its
// sign, the typographic minus too ("+150" is 2.5, "-200" is 1.5), exactly.
// Nothing for anything else, a signed value between -100 and +100 among
// them. Whether decimal odds are above 1 is the caller's rule.
std::optional<mpq_class> readTypedOdds(std::string_view text);

// A bookmaker's commission in percent of the net winnings: blank is 0, else
// a number from 0 to below 100. Nothing for anything else.
std::optional<mpq_class> readCommission(std::string_view text);

// A stake typed into a row to fix it: none while the box is blank (the row
// waits for one); `bad` for a text that is not a number above 0.
struct FixedStake {
    std::optional<mpq_class> stake;
    bool bad = false;
};
FixedStake readFixedStake(std::string_view text);

} // namespace zoret
