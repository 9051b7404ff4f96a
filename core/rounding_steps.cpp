// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/rounding_steps.h"

namespace zoret {

std::optional<mpq_class> roundingStep(std::size_t index)
{
    if (index >= roundingSteps.size() || roundingSteps[index].hundredths == 0)
        return std::nullopt;
    return mpq_class(roundingSteps[index].hundredths, 100);
}

} // namespace zoret
