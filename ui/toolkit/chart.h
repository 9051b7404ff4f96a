// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <string>
#include <vector>

namespace zoret::ui {

struct ChartPoint {
    std::string at; // "YYYY-MM-DD", or "YYYY-MM-DD HH:MM:SS"
    double value;
};

// A line of values by date over Qt Charts, with a dated axis below and the
// values' axis on the left; it takes no focus. Points of one day only, each
// with its time, have an axis of times ("HH:mm"); others one of days. The
// axis's labels are evenly spaced, on whole days or minutes, and never
// print the same text twice.
class Chart : public Control {
public:
    // The points in the order of their times; none leaves the chart empty.
    void setPoints(const std::vector<ChartPoint>& points);
    int pointCount() const { return points_; }

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    int points_ = 0;
};

} // namespace zoret::ui
