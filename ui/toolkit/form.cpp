// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/form.h"

#include "ui/toolkit/error_boundary.h"

#include <QKeyEvent>
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>

namespace zoret::ui {

namespace {

// A form with no owner is the program's own window, the others its dialogs.
// The windows have a fixed size: none offers to maximise.
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

FormWindow::FormWindow(QWidget* parent) : QDialog(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleForm), true);
    (void)factoryInstalled;
    setWindowFlags(parent ? Qt::Dialog | fixedFrame : Qt::Window | fixedFrame | Qt::WindowMinimizeButtonHint);
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

Form::Form(std::string name, std::string caption, int clientWidthTwips, int clientHeightTwips)
    : name_(std::move(name)), caption_(std::move(caption)), widthTwips_(clientWidthTwips),
      heightTwips_(clientHeightTwips)
{
}

Form::~Form() { delete window_.data(); }

void Form::load(QWidget* parent)
{
    if (window_)
        return;
    auto* window = new FormWindow(parent);
    window_ = window;
    window->setObjectName(toQString(name_));
    window->setWindowTitle(toQString(caption_));
    window->setFixedSize(toPixels(widthTwips_), toPixels(heightTwips_));
    // The close box unloads the window like its own close button does.
    QObject::connect(window, &QDialog::finished, window, [this, window] {
        if (!modal_ && window_ == window)
            unload();
    });
    window->setCancelButton(buildControls(window, layout()));
    decorate();
    runHandler(window, [this] { Form_Load(); });
    // A modal window must be modal from its first show.
    if (modal_)
        window->setWindowModality(Qt::ApplicationModal);
    window->show();
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

void Form::unload()
{
    if (!window_)
        return;
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

void Form::setCaption(std::string_view caption)
{
    caption_ = caption;
    if (window_)
        window_->setWindowTitle(toQString(caption));
}

} // namespace zoret::ui
