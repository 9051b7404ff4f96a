// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The steps the calculators offer to round stakes to, as the list "Округление"
// shows them: none first, then amounts of money.
namespace zoret {

struct RoundingStep {
    std::string_view caption;
    long hundredths; // the step in hundredths of money; 0 for none
};

inline constexpr std::array<RoundingStep, 8> roundingSteps{
    {{"нет", 0}, {"0.01", 1}, {"0.1", 10}, {"1", 100}, {"5", 500}, {"10", 1000}, {"50", 5000}, {"100", 10000}}};

// The step of entry `index` of the list; none for "нет" or an index off the list.
std::optional<mpq_class> roundingStep(std::size_t index);

} // namespace zoret
