// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zoret {

// C(n, k): the ways to choose k of n events, the lines of a system k of n.
// Exact for every n up to 62 (each partial product is itself a binomial).
long long binomial(int n, int k);

} // namespace zoret
