// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Table rows: name, what a call gave, what it must give; exact numbers, run-time errors as "error CODE".
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

inline std::string exact(const std::string& text) { return text; }
template <typename T>
std::string exact(T value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}
template <typename F>
std::string outcome(F call)
{
    try {
        return exact(call());
    } catch (const zoret::RuntimeError& error) {
        return "error " + exact(int(error.code()));
    }
}
struct Row {
    const char* name;
    std::string got, expected;
};
inline void checkRows(std::initializer_list<Row> rows)
{
    for (const auto& [name, got, expected] : rows)
        EXPECT_EQ(got, expected) << name;
}
