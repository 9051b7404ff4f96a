// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <string_view>
#include <vector>

class QAbstractButton;

namespace zoret::ui {

// A font of the design: a named family at a size, or (no family) the
// control's own family at another size. Zero points: the control's own font.
struct FontChoice {
    const char* family = nullptr;
    double points = 0;
};

// The parent column of a control placed on the window's client area itself.
inline constexpr Frame* inWindow = nullptr;

// One control of a window's design. The control's own type is its kind.
struct ControlRow {
    Control& control;
    std::string_view name;
    Frame* parent; // inWindow or the frame that contains it
    Twips at; // relative to the parent; in a resizable window only the least width and height (0: its own)
    int tabIndex; // the order of the keyboard focus, 0 first
    Style style = Style::Plain;
    std::string_view toolTip = {};
    FontChoice font = {};
};

using Layout = std::vector<ControlRow>;

// Creates the controls of a window from its layout, in the layout's order
// (a frame before what it contains), and chains the keyboard focus through
// them by tab index (equal indices in the layout's order). Returns the button
// Esc clicks, if a row names one.
QAbstractButton* buildControls(QWidget* window, const Layout& layout);

// Tab visits the controls that take the focus in this order, for a window
// whose controls change while it is open (the rows of a table).
void chainFocus(const std::vector<Control*>& order);

} // namespace zoret::ui
