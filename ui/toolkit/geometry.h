// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace zoret::ui {

// Design positions are in twips (1/1440 inch); at 96 dpi that is 15 twips a
// device-independent pixel, and Qt's high-dpi scaling does the rest.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int twipsPerPixel = 15;

constexpr int toPixels(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

inline QRect toPixels(const Twips& t)
{
    return QRect(toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height));
}

} // namespace zoret::ui
