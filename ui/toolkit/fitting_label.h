// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

namespace zoret::ui {

// A label that shows a value and never shows it cut, so that a clipped digit
// can never read as another number: when the value is too wide its font
// shrinks, down to smallestPoints; beyond that the middle of the value is
// elided with "…" (keeping the sign and the exponent in view) and the whole
// value goes to the tooltip. The whole value is always the accessible
// description, and it can be selected and copied with Ctrl+C.
class FittingLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr double smallestPoints = 6;

    explicit FittingLabel(QWidget* parent);
    void setValue(const QString& value);
    // The tooltip shown while the whole value is in view.
    void setRestingToolTip(const QString& tip);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refit();
    double availableWidth() const;

    QString value_;
    QString restingToolTip_;
    QFont designFont_;
    bool elided_ = false;
    bool refitting_ = false;
};

} // namespace zoret::ui
