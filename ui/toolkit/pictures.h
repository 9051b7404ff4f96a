// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIcon;

namespace zoret::ui {

// The black downward arrow of the buttons that copy a coefficient into the
// stake calculator below them.
QIcon downArrowPicture();

// The program's own icon, 16 and 32 pixels.
QIcon windowIcon();

} // namespace zoret::ui
