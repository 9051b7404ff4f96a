// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A table row: its name, what a call gave and what it must give, as text: the
// shortest text that reads back as the same number, or "error" and the code
// of the run-time error raised.

#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <type_traits>

template <typename T>
std::string exact(T value)
{
    if constexpr (std::is_convertible_v<T, std::string>) {
        return value;
    } else {
        char buffer[32];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }
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
