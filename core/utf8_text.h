// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The one test of UTF-8 text, for the journal's texts and the files read
// into it.
namespace zoret {

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates,
// nothing above U+10FFFF. The store and the windows hold texts as UTF-16,
// which anything else would not survive.
bool isUtf8(std::string_view text);

} // namespace zoret
