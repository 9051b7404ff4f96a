// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/binomial.h"

namespace zoret {

long long binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    long long value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i; // each partial product is C(n-k+i, i)
    return value;
}

} // namespace zoret
