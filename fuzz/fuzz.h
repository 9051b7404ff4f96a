// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the targets share: values read off the fuzzer's bytes, what a call
// that may raise a run-time error gave, and a property check that ends the
// run (libFuzzer or the replay then names the input).

#include "core/runtime_error.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

struct Input {
    const std::uint8_t* data;
    std::size_t size, pos = 0;
    std::size_t remaining() const { return size - pos; }
    std::uint8_t byte() { return pos < size ? data[pos++] : 0; }
    template <typename T>
    T raw()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes)
            b = byte();
        T value;
        return std::memcpy(&value, bytes, sizeof value), value;
    }
    std::string text(std::size_t limit = ~std::size_t{}, int stop = -1) // `stop` is consumed
    {
        std::string out;
        while (pos < size && out.size() < limit && data[pos] != stop)
            out += char(data[pos++]);
        return pos += pos < size && data[pos] == stop, out;
    }
};

struct Outcome { // a number, or the code of the run-time error raised
    bool ok = false;
    zoret::ErrorCode code{};
    double value = 0;
    bool operator==(const Outcome& o) const { return ok == o.ok && (ok ? value == o.value : code == o.code); }
};
template <typename F>
Outcome attempt(F f)
{
    try {
        return {true, {}, static_cast<double>(f())};
    } catch (const zoret::RuntimeError& error) {
        return {false, error.code(), 0};
    }
}

void check(bool holds, const char* property);
void text(const std::uint8_t* data, std::size_t size);
void roundTrip(const std::uint8_t* data, std::size_t size);
void system(const std::uint8_t* data, std::size_t size);
void fork(const std::uint8_t* data, std::size_t size);
void settlement(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
