// The baseline for start-up figures: the least a Qt Widgets program does to
// put one window on the screen. It is the size of Zoret's main window so the
// two paint the same area.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

// The same hook as in app/main.cpp: end right after the first window paint.
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
    if (qEnvironmentVariableIsSet("ZORET_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(new ExitAfterFirstPaint(&app));
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
