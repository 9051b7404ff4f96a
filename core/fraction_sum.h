// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gmpxx.h>

// Adds fractions over one common denominator, the least multiple of every
// denominator added so far, and reduces the sum only when it is read: the
// journal's denominators are a few (cents, the odds' decimals, a system's
// lines), so the common one stays small, and no term costs a greatest
// common divisor of the whole sum.
namespace zoret {

class FractionSum {
public:
    void add(const mpq_class& value);
    mpq_class total() const;
    // The sum is numerator() / common(), not reduced; the common
    // denominator only grows, each time by a whole factor.
    const mpz_class& numerator() const { return numerator_; }
    const mpz_class& common() const { return common_; }

private:
    mpz_class numerator_;
    mpz_class common_ = 1;
    mpz_class scale_;
};

} // namespace zoret
