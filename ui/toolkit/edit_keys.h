// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>

#include <functional>

class QLineEdit;
class QWidget;

namespace zoret::ui {

// Whether the action took the key (otherwise the widget handles it itself).
using KeyAction = std::function<bool()>;

// Runs action when widget gets the standard key (Ctrl+V, Shift+Insert, …).
void onStandardKey(QWidget* widget, QKeySequence::StandardKey key, KeyAction action);

// Runs action for the "Paste" of the line edit's context menu; when it does
// not take it, the edit pastes as usual.
void onMenuPaste(QLineEdit* edit, KeyAction action);

} // namespace zoret::ui
