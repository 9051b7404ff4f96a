// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/accumulator.h"

#include "core/number.h"

namespace zoret {

double accumulatorProduct(std::span<const double> odds)
{
    double product = 1;
    for (const double event : odds)
        product = checked(event * product);
    return product;
}

} // namespace zoret
