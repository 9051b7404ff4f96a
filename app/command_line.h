// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "journal/journal_command.h"

#include <QStringList>

#include <optional>

namespace zoret::app {

// The journal exported to a file or imported from one, without a window.
struct JournalRequest {
    journal::JournalCommand command = journal::JournalCommand::Export;
    QString file;
};

// What the program says to its command line when it is asked for something
// other than its window: the help, the version, or an error; or, when
// `journal` is set, that the journal command is to be run instead.
struct CommandLineAnswer {
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
    std::optional<JournalRequest> journal;
};

// Reads the arguments (the program's name first) before any window system is
// touched, so that --help and --version answer without a display. No answer
// means: start the window. Qt's own options (-platform, -style…) are accepted
// here and left for QApplication to apply.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments);

// Writes the answer to standard output and error; returns its exit code.
int printAnswer(const CommandLineAnswer& answer);

// Without a window: exports the journal at `journalPath` to the request's
// file or imports it, prints what was done on standard output or why not on
// standard error, and returns the exit code (0 or 1).
int runJournalCommand(const JournalRequest& request, const QString& journalPath);

} // namespace zoret::app
