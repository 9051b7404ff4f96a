// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fraction_sum.h"

namespace zoret {

void FractionSum::add(const mpq_class& value)
{
    const mpz_srcptr denominator = value.get_den_mpz_t();
    if (!mpz_divisible_p(common_.get_mpz_t(), denominator)) {
        mpz_gcd(scale_.get_mpz_t(), common_.get_mpz_t(), denominator);
        mpz_divexact(scale_.get_mpz_t(), denominator, scale_.get_mpz_t());
        numerator_ *= scale_;
        common_ *= scale_;
    }
    mpz_divexact(scale_.get_mpz_t(), common_.get_mpz_t(), denominator);
    mpz_addmul(numerator_.get_mpz_t(), value.get_num_mpz_t(), scale_.get_mpz_t());
}

mpq_class FractionSum::total() const
{
    mpq_class sum(numerator_, common_);
    sum.canonicalize();
    return sum;
}

} // namespace zoret
