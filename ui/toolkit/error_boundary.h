// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

namespace zoret::ui {

// Every event handler of every window runs through here: a run-time error
// ends the handler, is reported in a message box and the window goes on.
// Handlers only commit their results once the computation has succeeded, so
// a failed click leaves the window as it was.
void runHandler(QWidget* context, const std::function<void()>& handler);

} // namespace zoret::ui
