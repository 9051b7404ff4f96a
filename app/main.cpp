#include "convert.h"
#include "main_window.h"
#include "pictures.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTimer>

#include <cstdlib>

namespace {

// For bench/startup/measure.sh: with ZORET_EXIT_AFTER_FIRST_PAINT set, the
// process ends right after its first window has been painted, so the run time
// is the start-up time. The timer lets the paint reach the screen first.
class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zoret");
    QGuiApplication::setDesktopFileName("org.example.Zoret");
    if (qEnvironmentVariableIsSet("ZORET_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(new ExitAfterFirstPaint(&app));
    QApplication::setWindowIcon(zoret::ui::windowIcon());
    QApplication::setFont(QFont("Liberation Sans", 8));

    const QLocale locale = QLocale::system();
    zoret::setLocaleSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

    zoret::ui::MainWindow window;
    window.showModal();
    return 0;
}
