// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Val over arbitrary text: it never rejects text, raises nothing but
// Overflow, and reads the same number as an independent regular-expression
// scan followed by std::from_chars.
#include "fuzz/fuzz_support.h"

#include <regex>

namespace {

using fuzz::show;
using zoret::ErrorCode;
using zoret::RuntimeError;

struct Expected {
    bool overflow = false;
    bool overflowOrZero = false; // beyond every range we can tell apart
    double value = 0;
};

Expected radixExpectation(std::string_view compact)
{
    std::string_view body = compact.substr(1);
    int base = 8;
    if (!body.empty() && (body[0] == 'H' || body[0] == 'h')) {
        base = 16;
        body.remove_prefix(1);
    } else if (!body.empty() && (body[0] == 'O' || body[0] == 'o')) {
        body.remove_prefix(1);
    }
    std::uint64_t digits = 0;
    const auto read = std::from_chars(body.data(), body.data() + body.size(), digits, base);
    Expected e;
    if (read.ec == std::errc::result_out_of_range || digits > 0xFFFFFFFFu) {
        e.overflow = true;
        return e;
    }
    e.value = digits <= 0xFFFFu ? static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(digits)))
                                : static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(digits)));
    return e;
}

Expected decimalExpectation(const std::string& compact)
{
    static const std::regex leadingNumber(R"(([+-]?)([0-9]*)(\.([0-9]*))?([eEdD]([+-]?[0-9]+))?)");
    std::smatch m;
    Expected e;
    if (!std::regex_search(compact, m, leadingNumber, std::regex_constants::match_continuous))
        return e;
    const bool negative = m[1] == "-";
    if (m[2].length() == 0 && m[4].length() == 0) {
        e.value = 0.0; // no digits: Val gives plain zero, whatever the sign
        return e;
    }
    std::string normal = std::string(negative ? "-" : "") + (m[2].length() ? m[2].str() : "0") + "." + m[4].str() + "0";
    if (m[6].matched)
        normal += "e" + m[6].str();
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto read = std::from_chars(first, last, e.value);
    if (read.ec == std::errc()) {
        FUZZ_CHECK(read.ptr == last, "from_chars stopped early in " + fuzz::quoted(normal));
        return e;
    }
    // Beyond the double range: the side of the range decides.
    long double wide = 0;
    if (std::from_chars(first, last, wide).ec == std::errc()) {
        if (std::fabs(wide) >= 1)
            e.overflow = true;
        else
            e.value = negative ? -0.0 : 0.0;
    } else {
        e.overflowOrZero = true;
    }
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    const Expected expected =
        !compact.empty() && compact[0] == '&' ? radixExpectation(compact) : decimalExpectation(compact);
    const std::string where = "Val(" + fuzz::quoted(text) + ")";

    double value = 0;
    try {
        value = zoret::Val(text);
    } catch (const RuntimeError& error) {
        FUZZ_CHECK(error.code() == ErrorCode::Overflow, where + " raised " + fuzz::codeName(error.code()));
        FUZZ_CHECK(expected.overflow || expected.overflowOrZero, where + " raised Overflow for an in-range number");
        return 0;
    }
    FUZZ_CHECK(!expected.overflow, where + " gave " + show(value) + " instead of Overflow");
    FUZZ_CHECK(std::isfinite(value), where + " gave a non-finite number");
    if (expected.overflowOrZero) {
        FUZZ_CHECK(value == 0, where + " gave " + show(value) + " for a number beyond every range");
        return 0;
    }
    FUZZ_CHECK(value == expected.value && std::signbit(value) == std::signbit(expected.value),
               where + " gave " + show(value) + ", expected " + show(expected.value));
    return 0;
}
