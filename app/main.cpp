// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert.h"
#include "app/command_line.h"
#include "app/first_paint_exit.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/pictures.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
    // Before QApplication, which needs a display: --help and --version must
    // answer without one.
    if (const auto answer = zoret::app::answerCommandLine(argumentsOf(argc, argv)))
        return zoret::app::printAnswer(*answer);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Zoret");
    QGuiApplication::setDesktopFileName("org.example.Zoret");
    ExitAfterFirstPaint::installWhenAsked(app);
    QApplication::setWindowIcon(zoret::ui::windowIcon());
    QApplication::setFont(QFont("Liberation Sans", 8));
    // The whole interface is Russian, Qt's own texts (context menus,
    // standard buttons) included, whatever the user's locale.
    QTranslator qtRussian;
    if (qtRussian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    const QLocale locale = QLocale::system();
    zoret::setLocaleSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

    zoret::ui::MainWindow window;
    window.showModal();
    return 0;
}
