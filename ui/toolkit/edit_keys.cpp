// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/edit_keys.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

namespace zoret::ui {

namespace {

class StandardKeyFilter : public QObject {
public:
    StandardKeyFilter(QWidget* widget, QKeySequence::StandardKey key, KeyAction action)
        : QObject(widget), key_(key), action_(std::move(action))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // The shortcut override comes first: taking it keeps the widget's
        // own binding of the key from running.
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->matches(key_))
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return false;
        }
        return action_();
    }

private:
    QKeySequence::StandardKey key_;
    KeyAction action_;
};

class MenuPasteFilter : public QObject {
public:
    MenuPasteFilter(QLineEdit* edit, KeyAction action) : QObject(edit), edit_(edit), action_(std::move(action)) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        const std::unique_ptr<QMenu> menu(edit_->createStandardContextMenu());
        if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
            paste->disconnect();
            QObject::connect(paste, &QAction::triggered, edit_, [this] {
                if (!action_())
                    edit_->paste();
            });
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    QLineEdit* edit_;
    KeyAction action_;
};

} // namespace

void onStandardKey(QWidget* widget, QKeySequence::StandardKey key, KeyAction action)
{
    widget->installEventFilter(new StandardKeyFilter(widget, key, std::move(action)));
}

void onMenuPaste(QLineEdit* edit, KeyAction action)
{
    edit->installEventFilter(new MenuPasteFilter(edit, std::move(action)));
}

} // namespace zoret::ui
