// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "core/convert.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/pictures.h"
#include "ui/toolkit/controls.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace zoret::ui {

int runMainWindow()
{
    QApplication::setWindowIcon(windowIcon());
    QApplication::setFont(QFont("Liberation Sans", 8));
    // The whole interface is Russian, Qt's own texts (context menus,
    // standard buttons) included, whatever the user's locale.
    QTranslator qtRussian;
    if (qtRussian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    const QLocale locale = QLocale::system();
    setLocaleSeparators({toStdString(locale.decimalPoint()), toStdString(locale.groupSeparator())});

    MainWindow window;
    window.showModal();
    return 0;
}

int runJournalCommand(JournalCommand command, const QString& file)
{
    const JournalCommandOutcome outcome = journalCommand(command, file);
    std::fputs(outcome.output.c_str(), stdout);
    std::fputs(outcome.error.c_str(), stderr);
    return outcome.exitCode;
}

} // namespace zoret::ui
