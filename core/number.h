// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The numeric types the windows work with, and the checked operations that
// turn IEEE overflow, invalid results and division by zero into RuntimeError.
namespace zoret {

using Integer = std::int16_t; // counts, sizes, keys
using Long = std::int32_t;
using Single = float; // 32-bit IEEE

// A double result that is infinite or NaN is an overflow (error 6).
double checked(double value);

// Stores a double into a single: an infinite/NaN value or one beyond the
// single range raises error 6. Rounds to nearest like any float conversion.
Single toSingle(double value);

// Division with the run-time rules: a non-zero number over zero raises
// error 11, zero over zero error 6, an overflowing quotient error 6.
double divide(double numerator, double denominator);

// An integer result outside the Integer range raises error 6.
Integer toInteger(long long value);

} // namespace zoret
