// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// What the window benchmarks and the journal generator time with.
namespace zoret::bench {

using Clock = std::chrono::steady_clock;

inline double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The middle time; of an even count, the upper of the two middle ones.
inline double median(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// How long `work` takes, in milliseconds.
template <class Work>
double timed(Work&& work)
{
    const auto start = Clock::now();
    work();
    return milliseconds(Clock::now() - start);
}

} // namespace zoret::bench
