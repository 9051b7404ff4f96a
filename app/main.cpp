#include "core/convert.h"
#include "app/first_paint_exit.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/pictures.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zoret");
    QGuiApplication::setDesktopFileName("org.example.Zoret");
    ExitAfterFirstPaint::installWhenAsked(app);
    QApplication::setWindowIcon(zoret::ui::windowIcon());
    QApplication::setFont(QFont("Liberation Sans", 8));

    const QLocale locale = QLocale::system();
    zoret::setLocaleSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

    zoret::ui::MainWindow window;
    window.showModal();
    return 0;
}
