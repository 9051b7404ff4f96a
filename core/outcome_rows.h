// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How many outcomes the calculators of one event take: the fork calculator
// and fair odds alike offer 2 to 20 rows.
namespace zoret {

inline constexpr int minOutcomeRows = 2;
inline constexpr int maxOutcomeRows = 20;

} // namespace zoret
