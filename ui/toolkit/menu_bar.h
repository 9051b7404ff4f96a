// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <QPointer>

#include <string_view>
#include <vector>

class QMenuBar;

namespace zoret::ui {

// One command of a menu. The caption marks its mnemonic with "&"; the
// shortcut is in Qt's portable form ("Ctrl+Q", "F1"), empty for none.
struct MenuItem {
    std::string_view name; // the objectName, "actionExit"
    std::string_view caption;
    Handler handler;
    std::string_view shortcut = {};
};

struct Menu {
    std::string_view name; // the objectName, "menuFile"
    std::string_view caption;
    std::vector<MenuItem> items;
};

// A window's menus and the name a screen reader gives their bar.
struct MenuBarDesign {
    std::string_view readerName;
    std::vector<Menu> menus;
};

// The menu bar of a window. F10 opens its first menu; Alt and the mnemonics
// work as Qt makes them. An item's handler runs once its menu has closed,
// through the error boundary, so that one opening a modal window holds up
// neither the menu nor whoever chose it (a screen reader's call).
class MenuBar {
public:
    // Creates the bar with its menus for window, named "menuBar".
    QMenuBar* create(QWidget* window, const MenuBarDesign& design);
    // An item's state, by name; a new bar starts with every item enabled.
    void setEnabled(std::string_view item, bool on);

private:
    QPointer<QMenuBar> bar_;
};

} // namespace zoret::ui
