// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the program's start-up needs of its windows: the one header of ui/
// the application includes.
namespace zoret::ui {

// With the application object made: sets up what every window shares (the
// icon, the font, Qt's own texts in Russian, the locale's separators), then
// shows the main window with the journal at `journalPath` and returns once
// it is closed.
int runMainWindow(const QString& journalPath);

} // namespace zoret::ui
