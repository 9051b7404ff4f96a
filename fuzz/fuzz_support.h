// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the fuzz targets share: typed values read off the fuzzer's bytes, a
// failure report that ends the run (so libFuzzer or the replay keeps the
// input), and the outcome of a conversion that may raise a run-time error.

#include "core/runtime_error.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t remaining() const { return size_ - pos_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    template <typename T>
    T raw()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes)
            b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    // Up to `limit` bytes, ending early at `stop` (which is consumed).
    std::string text(std::size_t limit, char stop)
    {
        std::string out;
        while (pos_ < size_ && out.size() < limit && data_[pos_] != stop)
            out += static_cast<char>(data_[pos_++]);
        pos_ += pos_ < size_ && data_[pos_] == stop;
        return out;
    }
    std::string rest()
    {
        std::string out(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Exact shortest text of a number, for failure messages only.
template <typename T>
std::string show(T value)
{
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string quoted(std::string_view text);
[[noreturn]] void fail(const std::string& message);

// What a conversion gave: a number, or the code of the error it raised.
struct Outcome {
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
std::string describe(const Outcome& o);

// The targets, each over any bytes at all.
void val(const std::uint8_t* data, std::size_t size);
void roundTrip(const std::uint8_t* data, std::size_t size);
void cdblCint(const std::uint8_t* data, std::size_t size);
void system(const std::uint8_t* data, std::size_t size);
void fork(const std::uint8_t* data, std::size_t size);
void settlement(const std::uint8_t* data, std::size_t size);

} // namespace fuzz

// The message is built only when the property fails, which keeps the
// fuzzer's executions per second up.
#define FUZZ_CHECK(holds, message) ((holds) ? void() : ::fuzz::fail(message))
