// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number.h"

#include "core/runtime_error.h"

#include <cmath>
#include <limits>

namespace zoret {

const char* RuntimeError::what() const noexcept
{
    switch (code_) {
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::DivisionByZero:
        return "Division by zero";
    case ErrorCode::TypeMismatch:
        return "Type mismatch";
    }
    return "Run-time error";
}

double checked(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

Single toSingle(double value)
{
    const auto single = static_cast<float>(checked(value));
    if (!std::isfinite(single))
        throw RuntimeError(ErrorCode::Overflow);
    return single;
}

double divide(double numerator, double denominator)
{
    if (denominator == 0.0) {
        if (numerator == 0.0 || std::isnan(numerator))
            throw RuntimeError(ErrorCode::Overflow);
        throw RuntimeError(ErrorCode::DivisionByZero);
    }
    return checked(checked(numerator) / denominator);
}

Integer toInteger(long long value)
{
    if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<Integer>(value);
}

} // namespace zoret
