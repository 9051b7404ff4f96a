// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text_encoding.h"

#include "core/utf8_text.h"

#include <algorithm>
#include <array>

namespace zoret {

namespace {

// The code points of bytes 0x80..0xFF in Windows-1251, as the code page's
// published mapping gives them; 0 for 0x98, which it leaves undefined.
// From 0xC0 on the alphabet runs in order from U+0410.
constexpr std::array<char16_t, 64> upperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

char32_t windows1251(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    return byte < 0xC0 ? upperHalf[byte - 0x80u] : char32_t{0x0410} + (byte - 0xC0u);
}

// Control characters a table's text never holds; a tab and line ends it
// does.
bool isStrayControl(unsigned char byte)
{
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<std::string> fromWindows1251(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t code = windows1251(byte);
        if (code == 0 || isStrayControl(byte))
            return std::nullopt;
        appendUtf8(out, code);
    }
    return out;
}

} // namespace

std::optional<std::string> spreadsheetText(std::string_view bytes)
{
    // A UTF-16 file starts with its mark, which Windows-1251 would read as "яю".
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return std::nullopt;
    const bool marked = bytes.starts_with(utf8Mark);
    if (marked)
        bytes.remove_prefix(utf8Mark.size());
    // A NUL is UTF-16's or a binary file's, never a table's; other controls
    // the journal's own texts may hold, so UTF-8 keeps them.
    const bool hasNul = bytes.find('\0') != std::string_view::npos;
    if (isUtf8(bytes) && !hasNul)
        return std::string(bytes);
    if (marked)
        return std::nullopt;
    return fromWindows1251(bytes);
}

} // namespace zoret
