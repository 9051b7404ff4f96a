// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/controls.h"

#include "ui/toolkit/error_boundary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace zoret::ui {

namespace {

template <typename Widget>
Widget* as(QWidget* widget)
{
    return static_cast<Widget*>(widget);
}

Qt::Alignment toQt(Align align)
{
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Runs a user's event through the error boundary of the window it came from.
void fire(QWidget* source, const Handler& handler) { runHandler(source ? source->window() : nullptr, handler); }

} // namespace

bool Control::enabled() const { return widget_ && !widget_->testAttribute(Qt::WA_ForceDisabled); }

void Control::setEnabled(bool on)
{
    if (widget_)
        widget_->setEnabled(on);
}

void Control::setFocus()
{
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

void Control::setToolTip(std::string_view text)
{
    toolTip_ = text;
    if (!widget_)
        return;
    widget_->setToolTip(toQString(text));
    if (widget_->accessibleName().isEmpty())
        widget_->setAccessibleName(toQString(text));
}

void Control::place(QWidget* widget, QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    widget_ = widget;
    tabIndex_ = tabIndex;
    widget->setObjectName(toQString(name));
    widget->setGeometry(toPixels(at));
    if (parent)
        widget->setParent(parent);
    toolTip_.clear();
    widget->show();
}

void Control::describe(std::string_view caption)
{
    if (!widget_)
        return;
    widget_->setAccessibleName(caption.empty() ? toQString(toolTip_) : toQString(caption));
}

// --- Label

void Label::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex, LabelStyle style)
{
    auto* label = new QLabel(parent);
    label->setAlignment(toQt(style.align));
    label->setWordWrap(true);
    if (style.border) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
    place(label, parent, name, at, tabIndex);
}

void Label::setCaption(std::string_view caption)
{
    if (!label())
        return;
    QString text = toQString(caption);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label()->setProperty("caption", toQString(caption));
    label()->setText(text);
    describe(caption);
}

std::string Label::caption() const
{
    return label() ? toStdString(label()->property("caption").toString()) : std::string();
}

QLabel* Label::label() const { return as<QLabel>(widget()); }

// --- TextBox

void TextBox::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    place(new QLineEdit(parent), parent, name, at, tabIndex);
}

void TextBox::setText(std::string_view text)
{
    if (edit())
        edit()->setText(toQString(text));
}

std::string TextBox::text() const { return edit() ? toStdString(edit()->text()) : std::string(); }

QLineEdit* TextBox::edit() const { return as<QLineEdit>(widget()); }

// --- CommandButton

void CommandButton::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    auto* button = new QPushButton(parent);
    place(button, parent, name, at, tabIndex);
    QObject::connect(button, &QPushButton::clicked, button, [this, button] { fire(button, click_); });
}

void CommandButton::setCaption(std::string_view caption)
{
    if (!button())
        return;
    button()->setText(toQString(caption));
    describe(caption);
}

void CommandButton::setBold(bool bold)
{
    if (!button())
        return;
    QFont font = button()->font();
    font.setBold(bold);
    button()->setFont(font);
}

void CommandButton::setFontSize(int points)
{
    if (!button())
        return;
    QFont font = button()->font();
    font.setPointSize(points);
    button()->setFont(font);
}

void CommandButton::setPicture(const QIcon& icon)
{
    if (button())
        button()->setIcon(icon);
}

QPushButton* CommandButton::button() const { return as<QPushButton>(widget()); }

// --- CheckBox

void CheckBox::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    auto* box = new QCheckBox(parent);
    place(box, parent, name, at, tabIndex);
    QObject::connect(box, &QCheckBox::toggled, box, [this, box] { fire(box, click_); });
}

void CheckBox::setCaption(std::string_view caption)
{
    if (!box())
        return;
    box()->setText(toQString(caption));
    describe(caption);
}

int CheckBox::value() const { return box() && box()->isChecked() ? 1 : 0; }

void CheckBox::setValue(int value)
{
    if (!box() || (value != 0) == box()->isChecked())
        return;
    {
        const QSignalBlocker quiet(box());
        box()->setChecked(value != 0);
    }
    // Called directly, not through the boundary: an error ends the handler
    // that changed the value.
    if (click_)
        click_();
}

QCheckBox* CheckBox::box() const { return as<QCheckBox>(widget()); }

// --- OptionButton

void OptionButton::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    auto* radio = new QRadioButton(parent);
    place(radio, parent, name, at, tabIndex);
    QObject::connect(radio, &QRadioButton::toggled, radio, [this, radio](bool on) {
        if (on)
            fire(radio, click_);
    });
}

void OptionButton::setCaption(std::string_view caption)
{
    if (!radio())
        return;
    radio()->setText(toQString(caption));
    describe(caption);
}

bool OptionButton::value() const { return radio() && radio()->isChecked(); }

void OptionButton::setValue(bool value)
{
    if (!radio())
        return;
    if (!value) {
        // Qt keeps one button of a group checked; clearing all needs the
        // exclusivity lifted for a moment.
        const QSignalBlocker quiet(radio());
        radio()->setAutoExclusive(false);
        radio()->setChecked(false);
        radio()->setAutoExclusive(true);
        return;
    }
    {
        const QSignalBlocker quiet(radio());
        radio()->setChecked(true);
    }
    if (click_)
        click_();
}

QRadioButton* OptionButton::radio() const { return as<QRadioButton>(widget()); }

// --- Frame

void Frame::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    place(new QGroupBox(parent), parent, name, at, tabIndex);
}

void Frame::setCaption(std::string_view caption)
{
    if (!group())
        return;
    group()->setTitle(toQString(caption));
    describe(caption);
}

QGroupBox* Frame::group() const { return as<QGroupBox>(widget()); }

// --- ListBox

void ListBox::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    place(list, parent, name, at, tabIndex);
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, list] { fire(list, dblClick_); });
}

void ListBox::addItem(std::string_view text)
{
    if (listWidget())
        listWidget()->addItem(toQString(text));
}

void ListBox::removeItem(int index)
{
    if (!listWidget() || index < 0 || index >= listCount())
        return;
    const QSignalBlocker quiet(listWidget());
    // Nothing is selected after a removal. Clearing the selection first
    // spares the view a full relayout of a long list on every removal.
    listWidget()->clearSelection();
    listWidget()->setCurrentRow(-1);
    delete listWidget()->takeItem(index);
}

void ListBox::clear()
{
    if (listWidget())
        listWidget()->clear();
}

int ListBox::listCount() const { return listWidget() ? listWidget()->count() : 0; }

std::string ListBox::list(int index) const
{
    if (!listWidget() || index < 0 || index >= listCount())
        return {};
    return toStdString(listWidget()->item(index)->text());
}

int ListBox::listIndex() const
{
    if (!listWidget())
        return -1;
    const int row = listWidget()->currentRow();
    return row >= 0 && listWidget()->item(row)->isSelected() ? row : -1;
}

QListWidget* ListBox::listWidget() const { return as<QListWidget>(widget()); }

// --- ComboBox

void ComboBox::create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->setMaxVisibleItems(20);
    place(combo, parent, name, at, tabIndex);
    combo->setCurrentIndex(-1);
    QObject::connect(combo, &QComboBox::activated, combo, [this, combo] { fire(combo, click_); });
}

std::string ComboBox::text() const
{
    return combo() && combo()->currentIndex() >= 0 ? toStdString(combo()->currentText()) : std::string();
}

void ComboBox::addItem(std::string_view text, int index)
{
    if (!combo())
        return;
    // Qt chooses the first item of an empty list by itself; the user has not.
    const int chosen = combo()->currentIndex();
    combo()->insertItem(index < 0 ? combo()->count() : index, toQString(text));
    if (chosen < 0)
        combo()->setCurrentIndex(-1);
}

void ComboBox::removeItem(int index)
{
    if (!combo() || index < 0 || index >= combo()->count())
        return;
    const bool wasChosen = combo()->currentIndex() == index;
    combo()->removeItem(index);
    if (wasChosen)
        combo()->setCurrentIndex(-1);
}

void ComboBox::clear()
{
    if (combo())
        combo()->clear();
}

void ComboBox::clearChoice()
{
    if (combo())
        combo()->setCurrentIndex(-1);
}

int ComboBox::listCount() const { return combo() ? combo()->count() : 0; }

QComboBox* ComboBox::combo() const { return as<QComboBox>(widget()); }

} // namespace zoret::ui
