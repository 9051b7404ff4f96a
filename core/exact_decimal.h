// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

// Exact decimal numbers read from text and money written back, for the
// settlement of a bet: no binary rounding anywhere on the way.
namespace zoret {

// A coefficient of the odds list, read with the grammar of Val (blanks
// anywhere ignored, sign, digits, point, digits, exponent marker E/e/D/d;
// the longest well-formed prefix; no digit gives 0) but as the exact decimal
// the text writes: " 1.85" is 37/20, " 1E+20" is 10^20. Nothing when the
// exponent puts the number far beyond any double, which the list never holds.
std::optional<mpq_class> readListNumber(std::string_view text);

// A sum typed by the user: blanks around it, an optional sign, digits with
// at most one decimal comma or point ("12,5", "12.5", ",5", "5,"). Nothing
// for any other text, an exponent or digit groups among them.
std::optional<mpq_class> readSum(std::string_view text);

// A number with `decimals` decimals: the point, no grouping, halves away
// from zero, and never a minus sign before a zero.
std::string fixedText(const mpq_class& amount, int decimals);

// Money with two decimals: the point, no grouping, halves away from zero,
// and never "-0.00". 1.005 gives "1.01", -0.004 gives "0.00".
std::string moneyText(const mpq_class& amount);

// "X – Y" (an en dash between blanks) in money, or the one amount when both
// show alike.
std::string moneyRangeText(const mpq_class& least, const mpq_class& most);

// Plain decimal digits of a count, with a minus sign when negative.
std::string countText(long long count);

} // namespace zoret
