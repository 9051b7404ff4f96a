// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Table rows: name, what a call gave, what it must give; exact numbers, run-time errors as "error CODE".
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <charconv>
#include <functional>
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
// A row is evaluated when its turn comes: whatever it throws is reported under its name and the table goes on.
struct Row {
    template <typename F>
    Row(const char* name, F call, std::string expected)
        : name(name), got([call] { return outcome(call); }), expected(std::move(expected))
    {
    }
    const char* name;
    std::function<std::string()> got;
    std::string expected;
};
inline void checkRows(std::initializer_list<Row> rows)
{
    for (const Row& row : rows) {
        try {
            EXPECT_EQ(row.got(), row.expected) << row.name;
        } catch (const std::exception& error) {
            ADD_FAILURE() << row.name << " threw " << error.what();
        } catch (...) {
            ADD_FAILURE() << row.name << " threw";
        }
    }
}
