// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for start-up figures: the least a Qt Widgets program does to
// put one window on the screen. It is the size of Zoret's main window so the
// two paint the same area.
#include "app/first_paint_exit.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ExitAfterFirstPaint::installWhenAsked(app);
    QWidget window;
    window.setWindowTitle("bare window");
    window.resize(578, 304);
    // With ZORET_BARE_TEXT set the window shows one line of text, so that it
    // too pays for the font database that any caption needs.
    if (qEnvironmentVariableIsSet("ZORET_BARE_TEXT"))
        (new QLabel("Коэффициенты", &window))->move(8, 8);
    window.show();
    return QApplication::exec();
}
