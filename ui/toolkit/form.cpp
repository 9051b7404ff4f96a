// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/form.h"

#include "ui/toolkit/error_boundary.h"
#include "ui/toolkit/settings.h"

#include <QKeyEvent>
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QMenuBar>
#include <QTimer>

#include <utility>

namespace zoret::ui {

namespace {

// A form with no owner is the program's own window, the others its dialogs.
// A window of fixed size does not offer to maximise.
constexpr Qt::WindowFlags fixedFrame =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Qt gives every QDialog a dialog's accessible role; the program's own window
// must be announced as a window.
QAccessibleInterface* accessibleForm(const QString& className, QObject* object)
{
    auto* window = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("QDialog") || !window || window->parentWidget()
        || !dynamic_cast<FormWindow*>(window))
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

} // namespace

FormWindow::FormWindow(QWidget* parent, bool resizable) : QDialog(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleForm), true);
    (void)factoryInstalled;
    const Qt::WindowFlags frame = resizable ? fixedFrame | Qt::WindowMaximizeButtonHint : fixedFrame;
    setWindowFlags(parent ? Qt::Dialog | frame : Qt::Window | frame | Qt::WindowMinimizeButtonHint);
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancel_ && cancel_->isEnabled())
            cancel_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormWindow::afterFirstPaint(std::function<void()> handler)
{
    afterPaint_ = std::move(handler);
    setCursor(Qt::BusyCursor);
}

bool FormWindow::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    // Once the paint is done: the handler is queued behind it.
    if (event->type() == QEvent::Paint && afterPaint_)
        QTimer::singleShot(0, this, [this, handler = std::exchange(afterPaint_, {})] {
            runHandler(this, handler);
            unsetCursor();
        });
    return handled;
}

Form::Form(std::string name, std::string caption, int clientWidthTwips, int clientHeightTwips, Sizing sizing)
    : name_(std::move(name)), caption_(std::move(caption)), widthTwips_(clientWidthTwips),
      heightTwips_(clientHeightTwips), sizing_(sizing)
{
}

Form::~Form() { delete window_.data(); }

void Form::load(QWidget* parent)
{
    if (window_)
        return;
    auto* window = new FormWindow(parent, sizing_ == Sizing::Resizable);
    window_ = window;
    window->setObjectName(toQString(name_));
    window->setWindowTitle(toQString(caption_));
    QWidget* client = makeClientArea(window);
    // The close box unloads the window like its own close button does.
    QObject::connect(window, &QDialog::finished, window, [this, window] {
        saveSize();
        if (!modal_ && window_ == window)
            unload();
    });
    const Layout controls = layout();
    window->setCancelButton(buildControls(client, controls));
    if (sizing_ == Sizing::Resizable) {
        for (const ControlRow& row : controls)
            row.control.widget()->setMinimumSize(toPixels(row.at).size());
        arrange(client, arrangement());
        if (!sizeKey_.empty())
            if (const QSize saved = savedSetting(sizeKey_).toSize(); saved.isValid())
                window->resize(saved.expandedTo(window->minimumSizeHint()));
    }
    decorate();
    runHandler(window, [this] { Form_Load(); });
    // A modal window must be modal from its first show.
    if (modal_)
        window->setWindowModality(Qt::ApplicationModal);
    window->show();
}

QWidget* Form::makeClientArea(FormWindow* window)
{
    const QSize size(toPixels(widthTwips_), toPixels(heightTwips_));
    const bool resizable = sizing_ == Sizing::Resizable;
    const MenuBarDesign menus = menuBarDesign();
    QWidget* client = window;
    if (!menus.menus.empty()) {
        auto* frame = new QVBoxLayout(window);
        frame->setContentsMargins(0, 0, 0, 0);
        frame->setSpacing(0);
        frame->setMenuBar(menuBar_.create(window, menus));
        client = new QWidget(window);
        frame->addWidget(client);
        // The window takes the height of the bar on top of its client area.
        if (!resizable)
            frame->setSizeConstraint(QLayout::SetFixedSize);
    }
    if (resizable) {
        client->setMinimumSize(size);
        client->resize(size);
    } else {
        client->setFixedSize(size);
    }
    return client;
}

void Form::showModal(QWidget* parent)
{
    if (window_)
        return;
    modal_ = true;
    load(parent);
    window_->exec();
    modal_ = false;
    // None of the window's handlers is running any more: destroy it now, so
    // that nothing of it outlives the program's last window.
    delete window_.data();
    window_ = nullptr;
}

void Form::saveSize() const
{
    if (window_ && !sizeKey_.empty())
        saveSetting(sizeKey_, window_->size());
}

void Form::unload()
{
    if (!window_)
        return;
    saveSize();
    FormWindow* window = window_;
    window_ = nullptr;
    if (modal_ && window->isVisible()) {
        // Leave the modal loop; showModal destroys the window afterwards.
        window_ = window;
        window->done(QDialog::Accepted);
        return;
    }
    window->hide();
    window->deleteLater();
}

void Form::afterFirstPaint(Handler handler)
{
    if (window_)
        window_->afterFirstPaint(std::move(handler));
}

void Form::setCaption(std::string_view caption)
{
    caption_ = caption;
    if (window_)
        window_->setWindowTitle(toQString(caption));
}

} // namespace zoret::ui
