// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a call gave, as a table row holds it: the shortest text that reads
// back as exactly the same number, the text itself, or "error" and the code
// of the run-time error raised.

#include "core/convert.h"
#include "core/runtime_error.h"

#include <charconv>
#include <string>

inline std::string exact(double value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}
inline std::string exact(float value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}
inline std::string exact(const std::string& text) { return text; }
inline std::string exact(zoret::Integer value) { return exact(static_cast<double>(value)); }
inline std::string exact(zoret::Long value) { return exact(static_cast<double>(value)); }

template <typename F>
std::string outcome(F call)
{
    try {
        return exact(call());
    } catch (const zoret::RuntimeError& error) {
        return "error " + zoret::CStr(static_cast<zoret::Integer>(error.code()));
    }
}
