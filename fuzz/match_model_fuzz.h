// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

namespace zoret::fuzz {

// Expected goals in (0.05, 6) and rho anywhere in its range: the fit of the
// model's own 1X2 and total finds the model again to 1e-9. The same bytes
// then as typed texts: the match model's captions never throw. Aborts with a
// message when a property fails.
void matchModel(std::span<const std::uint8_t> bytes);

} // namespace zoret::fuzz
