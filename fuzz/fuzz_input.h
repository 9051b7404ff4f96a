// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every fuzz target reads its input with, and how it stops on a property that fails.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zoret::fuzz {

// The bytes read in order; zeros once they run out.
struct Input {
    const std::uint8_t* data;
    std::size_t size, pos = 0;
    std::size_t remaining() const { return size - pos; }
    std::uint8_t byte() { return pos < size ? data[pos++] : 0; }
    template <typename T>
    T raw()
    {
        std::array<unsigned char, sizeof(T)> bytes;
        return std::generate(bytes.begin(), bytes.end(), [&] { return byte(); }), std::bit_cast<T>(bytes);
    }
    std::string text(std::size_t limit = ~std::size_t{}, int stop = -1) // `stop` is consumed
    {
        std::string out;
        while (pos < size && out.size() < limit && data[pos] != stop)
            out += char(data[pos++]);
        return pos += pos < size && data[pos] == stop, out;
    }
};

inline std::string trying = "this input"; // named when a property fails
inline void check(bool holds, const char* property)
{
    if (!holds)
        std::fprintf(stderr, "property violated on %s: %s\n", trying.c_str(), property), std::abort();
}

// The targets with files of their own. Expected goals in (0.05, 6) and rho anywhere in its range: the fit of the
// model's own 1X2 and total finds the model again to 1e-9. The same bytes then as typed texts: the match model's
// captions never throw.
void matchModel(Input in);
// Up to 4 bets on lines (any market, a line of -3 to +3 or a total of 0 to 6, odds 1.01 to 21, a commission, back or
// lay): the classes hold every score of a box once and settle it as the score does; the split matches an independent
// solver that tries every vertex of the weights where n - 1 of "weight i is 0" and "class j pays as class k" hold,
// keeping the one whose sorted results are largest, then the one giving the earlier row most; the rounding matches
// the best of every choice of each stake down or up.
void lineFork(Input in);

} // namespace zoret::fuzz
