#include "convert.h"
#include "main_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zoret");
    QApplication::setWindowIcon(QIcon(":/icons/zoret-32.png"));
    QApplication::setFont(QFont("Liberation Sans", 8));

    const QLocale locale = QLocale::system();
    zoret::setLocaleSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

    zoret::ui::MainWindow window;
    window.showModal();
    return 0;
}
