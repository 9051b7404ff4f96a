// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pasted_odds.h"

#include "core/number_text.h"

#include <algorithm>

namespace zoret {

namespace {

bool separatesOdds(char c) { return c == ';' || isBlank(c); }

std::vector<std::string_view> piecesOf(std::string_view line)
{
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0; at < line.size();) {
        const auto start = std::find_if_not(line.begin() + at, line.end(), separatesOdds) - line.begin();
        const auto end = std::find_if(line.begin() + start, line.end(), separatesOdds) - line.begin();
        if (end > start)
            pieces.push_back(line.substr(start, end - start));
        at = end;
    }
    return pieces;
}

bool holdsDigit(std::string_view piece)
{
    return std::any_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::optional<std::vector<std::string>> pastedEvents(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        if (!isBlankText(text.substr(at, end - at)))
            lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    std::vector<std::string> events;
    for (const std::string_view line : lines) {
        const std::vector<std::string_view> pieces = piecesOf(line);
        if (pieces.size() == 1)
            events.emplace_back(trimBlanks(line)); // a column's line, read as typed
        else
            for (const std::string_view piece : pieces)
                if (holdsDigit(piece))
                    events.emplace_back(piece);
    }
    if (lines.size() <= 1 && events.size() <= 1)
        return std::nullopt;
    return events;
}

} // namespace zoret
