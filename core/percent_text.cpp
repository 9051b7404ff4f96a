// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/percent_text.h"

#include "core/exact_decimal.h"

namespace zoret {

std::string percentText(const mpq_class& fraction) { return fixedText(fraction * 100, 2) + " %"; }

std::string signedText(const mpq_class& amount, int decimals)
{
    const std::string text = fixedText(amount, decimals);
    return amount > 0 && text.find_first_not_of("0.") != std::string::npos ? "+" + text : text;
}

std::string signedPercentText(const mpq_class& fraction) { return signedText(fraction * 100, 2) + " %"; }

} // namespace zoret
