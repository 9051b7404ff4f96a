// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/error_boundary.h"

#include "ui/toolkit/message_box.h"
#include "core/runtime_error.h"

#include <exception>

namespace zoret::ui {

namespace {

const char* errorText(ErrorCode code)
{
    switch (code) {
    case ErrorCode::Overflow:
        return "Переполнение";
    case ErrorCode::DivisionByZero:
        return "Деление на ноль";
    case ErrorCode::TypeMismatch:
        return "Несоответствие типа";
    }
    return "Ошибка";
}

} // namespace

void runHandler(QWidget* context, const std::function<void()>& handler)
{
    if (!handler)
        return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        MsgBox(context, errorText(error.code()), MsgBoxIcon::Warning);
    } catch (const std::exception&) {
        MsgBox(context, "Внутренняя ошибка", MsgBoxIcon::Warning);
    }
}

} // namespace zoret::ui
