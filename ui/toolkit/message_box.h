// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

class QWidget;

namespace zoret::ui {

enum class MsgBoxIcon { None = 0, Warning = 48, Information = 64 };

inline constexpr const char* applicationTitle = "Zoret";

// A modal message with an OK button; returns when the user presses it.
void MsgBox(QWidget* parent, const std::string& prompt, MsgBoxIcon icon = MsgBoxIcon::None,
            const std::string& title = applicationTitle);

// A question with the buttons "Да" and "Нет"; true when the user answers
// "Да". The safe answer is the default one Enter gives.
bool AskYesNo(QWidget* parent, const std::string& prompt, bool yesByDefault,
              const std::string& title = applicationTitle);

// What the program is, with the window icon, an OK button and a button that
// shows Qt's own "about" box; returns when the user presses OK.
void AboutBox(QWidget* parent, const std::string& title, const std::string& text);

} // namespace zoret::ui
