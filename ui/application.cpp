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

namespace zoret::ui {

int runMainWindow(const QString& journalPath)
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

    MainWindow window(journalPath);
    window.showModal();
    return 0;
}

} // namespace zoret::ui
