// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the fuzz targets share: reading typed values off the fuzzer's bytes,
// an independent decimal rounding to compare the conversions with, and a
// failure report that ends the run so libFuzzer (or the corpus replay) keeps
// the input.

#include "core/convert.h"
#include "core/runtime_error.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
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
        while (pos_ < size_ && out.size() < limit) {
            const char c = static_cast<char>(data_[pos_++]);
            if (c == stop)
                break;
            out += c;
        }
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
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

inline std::string quoted(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out + "\"";
}

[[noreturn]] inline void fail(const std::string& message)
{
    std::fputs("property violated: ", stderr);
    std::fputs(message.c_str(), stderr);
    std::fputs("\n", stderr);
    std::abort();
}

} // namespace fuzz

// The message is built only when the property fails, which keeps the
// fuzzer's executions per second up.
#define FUZZ_CHECK(holds, message)                                                                                     \
    do {                                                                                                               \
        if (!(holds))                                                                                                  \
            ::fuzz::fail(message);                                                                                     \
    } while (false)

namespace fuzz {

// `value` rounded to `digits` significant decimal digits and read back, or
// nothing when the rounded text is beyond the double range.
inline std::optional<double> roundedTo(double value, int digits)
{
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    double back = 0;
    const auto read = std::from_chars(buffer, written.ptr, back);
    if (read.ec == std::errc::result_out_of_range)
        return std::nullopt;
    FUZZ_CHECK(read.ec == std::errc() && read.ptr == written.ptr, "to_chars/from_chars disagree on " + show(value));
    return back;
}

// Round half to even, without the floating-point environment.
inline double halfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

inline const char* codeName(zoret::ErrorCode code)
{
    switch (code) {
    case zoret::ErrorCode::Overflow:
        return "Overflow";
    case zoret::ErrorCode::DivisionByZero:
        return "DivisionByZero";
    case zoret::ErrorCode::TypeMismatch:
        return "TypeMismatch";
    }
    return "unknown error code";
}

// Locale separator pairs the program may meet; the fuzzer picks one.
inline zoret::LocaleSeparators separators(std::uint8_t choice)
{
    static const zoret::LocaleSeparators table[] = {
        {".", ","}, {",", " "}, {",", "\xc2\xa0"}, // no-break space, as Russian locales have it
        {",", "."}, {".", "'"}, {"\xd9\xab", "\xd9\xac"}, // Arabic decimal and thousands marks
        {".", ""},
    };
    return table[choice % (sizeof table / sizeof table[0])];
}

} // namespace fuzz
