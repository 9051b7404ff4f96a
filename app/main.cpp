// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"
#include "app/first_paint_exit.h"
#include "app/missing_display.h"
#include "journal/journal_store.h"
#include "ui/application.h"

#include <QApplication>

#include <optional>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // Before QApplication, which needs a display: --help, --version and the
    // journal's commands must answer without one.
    if (const auto answer = zoret::app::answerCommandLine(argumentsOf(argc, argv))) {
        if (!answer->journal)
            return zoret::app::printAnswer(*answer);
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("Zoret");
        return zoret::app::runJournalCommand(*answer->journal, zoret::journal::defaultPath());
    }

    std::optional<MissingDisplayGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName("Zoret");
    QGuiApplication::setDesktopFileName("org.example.Zoret");
    ExitAfterFirstPaint::installWhenAsked(app);
    return zoret::ui::runMainWindow(zoret::journal::defaultPath());
}
