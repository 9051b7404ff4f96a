// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>

namespace zoret {

// The three run-time errors the arithmetic and the conversions can raise.
enum class ErrorCode : int {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// Raised by a conversion or a checked operation; the window layer catches it
// at the edge of every event handler and reports it instead of crashing.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code) noexcept : code_(code) {}
    ErrorCode code() const noexcept { return code_; }
    const char* what() const noexcept override;

private:
    ErrorCode code_;
};

} // namespace zoret
