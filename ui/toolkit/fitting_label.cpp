// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/fitting_label.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>

namespace zoret::ui {

namespace {

// Room the text layout of a selectable label takes beyond the glyphs'
// advance (cursor width, rounding at fractional scale factors).
constexpr double layoutSlack = 3;
constexpr double pointStep = 0.25;

double advance(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

} // namespace

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent), designFont_(font())
{
    setWordWrap(false);
    setIndent(0);
    setMargin(1); // a glyph never touches the frame
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void FittingLabel::setValue(const QString& value)
{
    value_ = value;
    setAccessibleDescription(value);
    refit();
}

void FittingLabel::setRestingToolTip(const QString& tip)
{
    restingToolTip_ = tip;
    refit();
}

double FittingLabel::availableWidth() const { return contentsRect().width() - 2 * margin() - layoutSlack; }

void FittingLabel::refit()
{
    refitting_ = true;
    const double room = availableWidth();
    QFont font = designFont_;
    while (advance(font, value_) > room && font.pointSizeF() - pointStep >= smallestPoints)
        font.setPointSizeF(font.pointSizeF() - pointStep);
    elided_ = advance(font, value_) > room;
    setFont(font);
    setText(elided_ ? QFontMetricsF(font).elidedText(value_, Qt::ElideMiddle, room) : value_);
    setToolTip(elided_ ? value_ : restingToolTip_);
    refitting_ = false;
}

void FittingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // A font given from outside (the design's, the application's) is the
    // size to start from; the ones refit() sets are not.
    if (event->type() == QEvent::FontChange && !refitting_) {
        designFont_ = font();
        refit();
    }
}

void FittingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    refit();
}

void FittingLabel::keyPressEvent(QKeyEvent* event)
{
    // What is shown of an elided value is not a number: copy all of it.
    if (event->matches(QKeySequence::Copy) && elided_ && hasSelectedText()) {
        QApplication::clipboard()->setText(value_);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace zoret::ui
