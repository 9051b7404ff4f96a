// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a spreadsheet in a Russian locale saves a table as: UTF-8, with or
// without a byte order mark, or Windows-1251.
namespace zoret {

// The file's text in UTF-8 without a byte order mark: as it is when it is
// UTF-8, turned from Windows-1251 otherwise. Nothing for a file in neither:
// a UTF-16 byte order mark, a NUL, a byte order mark before bytes that are
// not UTF-8, or, read as Windows-1251, a control character besides tab and
// line ends or a byte it leaves undefined. UTF-8 keeps its other controls,
// which the journal's own texts may hold.
std::optional<std::string> spreadsheetText(std::string_view bytes);

} // namespace zoret
