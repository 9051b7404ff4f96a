#include "modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

ModalWatcher::ModalWatcher()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start();
}

void ModalWatcher::onWindow(const QString& objectName, std::function<void(QWidget*)> script)
{
    scripts_[objectName] = std::move(script);
}

QList<ShownMessage> ModalWatcher::takeMessages()
{
    return std::exchange(messages_, {});
}

QStringList ModalWatcher::takeMessageTexts()
{
    QStringList texts;
    for (const ShownMessage& message : takeMessages())
        texts << message.text;
    return texts;
}

QStringList ModalWatcher::takeUnexpected()
{
    return std::exchange(unexpected_, {});
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (!box->isVisible())
            return;
        messages_.append({box->windowTitle(), box->text(), box->icon()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    const auto script = scripts_.find(modal->objectName());
    if (script != scripts_.end()) {
        auto run = std::move(script->second);
        scripts_.erase(script);
        run(modal);
        return;
    }
    unexpected_ << modal->objectName();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
