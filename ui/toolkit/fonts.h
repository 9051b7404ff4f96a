// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace zoret::ui {

// A font named in the window design, or its metric-compatible stand-in when
// the original is not installed (Times New Roman -> Liberation Serif, Arial
// Narrow -> Liberation Sans Narrow). Naming the stand-in directly spares
// fontconfig a fallback search at start-up.
QFont designFont(const char* family, double points);

} // namespace zoret::ui
