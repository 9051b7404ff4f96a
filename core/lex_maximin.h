// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

#include <vector>

// The exact split of one unit of money over rows whose outcomes are columns:
// the least outcome as large as possible, then the next-worst, and so on.
namespace zoret {

// `gains[i][j]`, not negative: what one unit put in row i brings back in
// column j. The weights (not negative, summing to 1) whose column sums, sorted
// from the least, are lexicographically largest; of several such weights the
// one that gives the first row most, then the second, and so on. Needs at
// least one row and one column, all rows alike long.
std::vector<mpq_class> lexMaximin(const std::vector<std::vector<mpq_class>>& gains);

} // namespace zoret
