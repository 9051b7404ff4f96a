// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <vector>

namespace zoret::ui {

// Where the controls of a resizable window go: lines from top to bottom,
// each holding controls side by side at their own width. A gap in a line
// takes the width the line has to spare; the lines that grow share the
// height the window has to spare, and their controls also take its width.
inline constexpr Control* gap = nullptr;

struct Line {
    std::vector<Control*> controls;
    bool grows = false;
};

using Arrangement = std::vector<Line>;

// Arranges the controls, already created in window, by Qt's layouts.
void arrange(QWidget* window, const Arrangement& lines);

} // namespace zoret::ui
