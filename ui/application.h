// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/journal_store/journal_command.h"

#include <QString>

// What the program's start-up needs of its windows: the one header of ui/
// the application includes.
namespace zoret::ui {

// With the application object made: sets up what every window shares (the
// icon, the font, Qt's own texts in Russian, the locale's separators), then
// shows the main window and returns once it is closed.
int runMainWindow();

// With a QCoreApplication, no window: exports the journal to `file` or
// imports it, prints what was done on standard output or why not on
// standard error, and returns the exit code (0 or 1).
int runJournalCommand(JournalCommand command, const QString& file);

} // namespace zoret::ui
