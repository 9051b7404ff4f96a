// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoret {

// The events a paste into the odds list gives, in order, as copied from a
// spreadsheet column or row or from a bookmaker's page: each line, and within
// a line each piece between blanks, tabs or semicolons; of a line of several
// pieces only those that hold a digit. Blank lines give none. Nothing when
// the text is one line holding at most one number: that pastes into the box
// as any text does.
std::optional<std::vector<std::string>> pastedEvents(std::string_view text);

} // namespace zoret
