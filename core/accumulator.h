// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

// The coefficient of an accumulator: the product of the odds of all its events.
namespace zoret {

// Multiplies from the first event on, 1 for none. Raises Overflow as soon as
// a partial product leaves the double range.
double accumulatorProduct(std::span<const double> odds);

} // namespace zoret
