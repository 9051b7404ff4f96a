// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number.h"

#include <optional>
#include <string>
#include <string_view>

// Captions of a system of k out of n events: its name and how many
// accumulators it places.
namespace zoret {

// The digits of n followed by those of k, read as one number: 5,3 -> 53;
// 12,10 -> 1210; 20,19 -> 2019. Distinct for every n = 3..20, k = 2..n-1.
Integer systemKey(Integer eventCount, Integer systemSize);

// "Система n/k".
std::string systemName(Integer eventCount, Integer systemSize);

// C(n, k) for a key of a system with n = 3..20 and k = 2..n-1; nothing for
// any other key.
std::optional<Long> accumulatorCount(Integer key);

// The form of a Russian noun agreeing with a count, given as it goes with
// 1, 2 and 5: 1 ставку, 3 ставки, 11 ставок, 21 ставку...
std::string pluralWord(long long count, std::string_view one, std::string_view few, std::string_view many);

// The Russian noun agreeing with a count: 1 экспресс, 2 экспресса,
// 5 экспрессов, 11 экспрессов, 21 экспресс...
std::string accumulatorWord(Long count);

// "<count> <word>", or "Unknown" for a key with no system.
std::string countCaption(Integer key);

} // namespace zoret
