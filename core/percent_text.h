// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <string>

// Shares shown in percent by the calculators: two decimals, a point, a blank
// and "%", a plain minus sign and never "-0.00 %".
namespace zoret {

// 0.1234 gives "12.34 %".
std::string percentText(const mpq_class& fraction);

// `decimals` decimals with a plus before a figure above zero that does not
// read as zero: "+3.45", "-3.45", "0.00".
std::string signedText(const mpq_class& amount, int decimals);

// 0.05 gives "+5.00 %", -0.05 "-5.00 %", 0.00001 "0.00 %".
std::string signedPercentText(const mpq_class& fraction);

} // namespace zoret
