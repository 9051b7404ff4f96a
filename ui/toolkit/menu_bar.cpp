// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/menu_bar.h"

#include "ui/toolkit/error_boundary.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace zoret::ui {

QMenuBar* MenuBar::create(QWidget* window, const MenuBarDesign& design)
{
    auto* bar = new QMenuBar(window);
    bar_ = bar;
    bar->setObjectName("menuBar");
    bar->setAccessibleName(toQString(design.readerName));
    for (const Menu& menu : design.menus) {
        QMenu* shown = bar->addMenu(toQString(menu.caption));
        shown->setObjectName(toQString(menu.name));
        for (const MenuItem& item : menu.items) {
            QAction* action = shown->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            action->setShortcut(QKeySequence(toQString(item.shortcut), QKeySequence::PortableText));
            QObject::connect(
                action, &QAction::triggered, bar, [window, handler = item.handler] { runHandler(window, handler); },
                Qt::QueuedConnection);
        }
    }
    // Qt gives F10 no meaning of its own; the desktops open the first menu.
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), window), &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().first());
    });
    return bar;
}

void MenuBar::setEnabled(std::string_view item, bool on)
{
    if (auto* action = bar_ ? bar_->findChild<QAction*>(toQString(item)) : nullptr)
        action->setEnabled(on);
}

} // namespace zoret::ui
