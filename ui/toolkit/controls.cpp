// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/controls.h"

#include "ui/toolkit/edit_keys.h"
#include "ui/toolkit/error_boundary.h"
#include "ui/toolkit/fitting_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

namespace zoret::ui {

namespace {

template <typename Widget>
Widget* as(QWidget* widget)
{
    return static_cast<Widget*>(widget);
}

Qt::Alignment labelAlignment(Style style)
{
    if (has(style, Style::Centred))
        return Qt::AlignHCenter | Qt::AlignVCenter;
    if (has(style, Style::RightAligned))
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Qt has no colour role for a scroll-bar track and its button colour is often
// the window colour itself, so take the shade the common styles paint a track
// with: the button colour, darkened.
void shade(QLabel* label)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button).darker(112));
    label->setPalette(palette);
}

template <typename Change>
void changeFont(QWidget* widget, Change change)
{
    if (!widget)
        return;
    QFont font = widget->font();
    change(font);
    widget->setFont(font);
}

// Runs a user's event through the error boundary of the window it came from.
void fire(QWidget* source, const Handler& handler) { runHandler(source ? source->window() : nullptr, handler); }

// A screen reader spells out every blank: no doubled ones, no line breaks.
QString readerText(std::string_view text) { return toQString(text).simplified(); }

// A list item never wider than the list, so that the view elides a long one
// instead of hiding its end behind a scroll bar.
class FittingItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (auto* view = qobject_cast<QAbstractItemView*>(parent()))
            size.setWidth(std::min(size.width(), view->viewport()->width()));
        return size;
    }
};

} // namespace

void Control::create(QWidget* parent, std::string_view name, const Twips& at, Style style)
{
    QWidget* widget = makeWidget(parent, style);
    widget_ = widget;
    toolTip_.clear();
    widget->setObjectName(toQString(name));
    if (!readerName_.empty() || !buddyName_.empty())
        widget->setAccessibleName(readerText(readerName_.empty() ? buddyName_ : readerName_));
    widget->setGeometry(toPixels(at));
    if (has(style, Style::Off))
        widget->setEnabled(false);
    widget->show();
}

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
    if (auto* fitting = qobject_cast<FittingLabel*>(widget_))
        fitting->setRestingToolTip(toQString(text));
    else
        widget_->setToolTip(toQString(text));
    if (widget_->accessibleName().isEmpty())
        widget_->setAccessibleName(readerText(text));
}

void Control::describe(std::string_view caption)
{
    if (!widget_)
        return;
    if (!readerName_.empty() || !buddyName_.empty()) {
        widget_->setAccessibleDescription(readerText(caption));
        return;
    }
    widget_->setAccessibleName(readerText(caption.empty() ? std::string_view(toolTip_) : caption));
}

void Control::nameAfter(std::string_view caption)
{
    buddyName_ = caption;
    if (widget_ && readerName_.empty())
        widget_->setAccessibleName(readerText(caption));
}

template <typename Widget>
void Control::showCaption(void (Widget::*setter)(const QString&), std::string_view caption)
{
    if (!widget_)
        return;
    (as<Widget>(widget_)->*setter)(toQString(caption));
    describe(caption);
}

// --- ClickControl and ButtonControl

void ClickControl::fireClick(QWidget* source) const { fire(source, click_); }

void ClickControl::runClick() const
{
    if (click_)
        click_();
}

void ButtonControl::setCaption(std::string_view caption) { showCaption(&QAbstractButton::setText, caption); }

// --- Label

QWidget* Label::makeWidget(QWidget* parent, Style style)
{
    const bool value = has(style, Style::Value);
    QLabel* label = value ? new FittingLabel(parent) : new QLabel(parent);
    label->setAlignment(labelAlignment(style));
    label->setWordWrap(!value && !has(style, Style::SingleLine));
    if (has(style, Style::Framed)) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
    if (has(style, Style::Shaded))
        shade(label);
    return label;
}

void Label::setCaption(std::string_view caption)
{
    if (!label())
        return;
    QString text = toQString(caption);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label()->setProperty("caption", toQString(caption));
    if (auto* fitting = qobject_cast<FittingLabel*>(label()))
        fitting->setValue(text);
    else
        label()->setText(text);
    describe(caption);
    if (named_ && named_->widget()) {
        named_->nameAfter(caption);
        label()->setBuddy(named_->widget());
    }
}

std::string Label::caption() const
{
    return label() ? toStdString(label()->property("caption").toString()) : std::string();
}

QLabel* Label::label() const { return as<QLabel>(widget()); }

// --- TextBox

QWidget* TextBox::makeWidget(QWidget* parent, Style)
{
    auto* edit = new QLineEdit(parent);
    const auto paste = [this, edit] {
        if (!paste_)
            return false;
        // The text as it would stand in the box: the paste replaces the
        // selection, or goes in at the cursor.
        QString whole = edit->text();
        const int from = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        whole.replace(from, edit->hasSelectedText() ? edit->selectedText().size() : 0,
                      QApplication::clipboard()->text());
        // A handler that fails has taken the paste: the box keeps its text.
        bool declined = false;
        fire(edit, [this, &whole, &declined] { declined = !paste_(toStdString(whole)); });
        return !declined;
    };
    onStandardKey(edit, QKeySequence::Paste, paste);
    onMenuPaste(edit, paste);
    return edit;
}

void TextBox::setText(std::string_view text)
{
    if (edit())
        edit()->setText(toQString(text));
}

std::string TextBox::text() const { return edit() ? toStdString(edit()->text()) : std::string(); }

QLineEdit* TextBox::edit() const { return as<QLineEdit>(widget()); }

// --- CommandButton

QWidget* CommandButton::makeWidget(QWidget* parent, Style style)
{
    auto* button = new QPushButton(parent);
    if (has(style, Style::DefaultButton))
        button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, button, [this, button] { fireClick(button); });
    return button;
}

void CommandButton::setBold(bool bold)
{
    changeFont(button(), [bold](QFont& font) { font.setBold(bold); });
}

void CommandButton::setFontSize(int points)
{
    changeFont(button(), [points](QFont& font) { font.setPointSize(points); });
}

void CommandButton::setPicture(const QIcon& icon)
{
    if (button())
        button()->setIcon(icon);
}

QPushButton* CommandButton::button() const { return as<QPushButton>(widget()); }

// --- CheckBox

QWidget* CheckBox::makeWidget(QWidget* parent, Style)
{
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::toggled, box, [this, box] { fireClick(box); });
    return box;
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
    runClick();
}

QCheckBox* CheckBox::box() const { return as<QCheckBox>(widget()); }

// --- OptionButton

QWidget* OptionButton::makeWidget(QWidget* parent, Style)
{
    auto* radio = new QRadioButton(parent);
    QObject::connect(radio, &QRadioButton::toggled, radio, [this, radio](bool on) {
        if (on)
            fireClick(radio);
    });
    return radio;
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
    runClick();
}

QRadioButton* OptionButton::radio() const { return as<QRadioButton>(widget()); }

// --- Frame

QWidget* Frame::makeWidget(QWidget* parent, Style) { return new QGroupBox(parent); }

void copyToClipboard(std::string_view text) { QApplication::clipboard()->setText(toQString(text)); }

void Frame::setCaption(std::string_view caption) { showCaption(&QGroupBox::setTitle, caption); }

// --- ListBox

QWidget* ListBox::makeWidget(QWidget* parent, Style)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setItemDelegate(new FittingItemDelegate(list));
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, list] { fire(list, dblClick_); });
    onStandardKey(list, QKeySequence::Delete, [this, list] {
        fire(list, delete_);
        return true;
    });
    onStandardKey(list, QKeySequence::Paste, [this, list] {
        const std::string text = toStdString(QApplication::clipboard()->text());
        if (paste_)
            fire(list, [this, &text] { paste_(text); });
        return true;
    });
    return list;
}

void ListBox::addItem(std::string_view text)
{
    if (!listWidget())
        return;
    // The whole value in the tooltip, for when the list elides it.
    auto* item = new QListWidgetItem(toQString(text));
    item->setToolTip(item->text());
    listWidget()->addItem(item);
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

QWidget* ComboBox::makeWidget(QWidget* parent, Style)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->setMaxVisibleItems(20);
    combo->setCurrentIndex(-1);
    QObject::connect(combo, &QComboBox::activated, combo, [this, combo] { fireClick(combo); });
    return combo;
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

int ComboBox::listIndex() const { return combo() ? combo()->currentIndex() : -1; }

void ComboBox::setListIndex(int index)
{
    if (combo())
        combo()->setCurrentIndex(index);
}

int ComboBox::listCount() const { return combo() ? combo()->count() : 0; }

QComboBox* ComboBox::combo() const { return as<QComboBox>(widget()); }

} // namespace zoret::ui
