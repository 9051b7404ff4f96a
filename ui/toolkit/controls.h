// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/geometry.h"

#include <QPointer>
#include <QString>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

// Thin wrappers that give the window controllers the operations they work
// with (captions, texts, values, lists) over standard Qt widgets. A wrapper
// outlives its widget: unloading a window destroys the widgets, the next load
// creates them again, and the handlers bound once stay bound.
namespace zoret::ui {

using Handler = std::function<void()>;
// Receives a paste: false, before it does anything, leaves the paste to the
// control as usual.
using PasteHandler = std::function<bool(const std::string& text)>;

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toStdString(const QString& text) { return text.toStdString(); }

// How a control looks and starts: the style column of a window's layout.
// Flags a kind of control has no use for are ignored by it.
enum class Style : unsigned {
    Plain = 0,
    Centred = 1u << 0, // a label's text centred
    RightAligned = 1u << 1, // a label's text to the right
    Framed = 1u << 2, // a label with a single-line border
    Shaded = 1u << 3, // a label on the shade of a scroll-bar track
    SingleLine = 1u << 4, // a label that never wraps its text
    Off = 1u << 5, // created disabled
    DefaultButton = 1u << 6, // Enter clicks it while it is enabled
    CancelButton = 1u << 7, // Esc clicks it while it is enabled
    Value = 1u << 8, // a label showing a value: never cut, selectable (FittingLabel)
};

constexpr Style operator|(Style a, Style b) { return Style(unsigned(a) | unsigned(b)); }
constexpr bool has(Style set, Style flag) { return (unsigned(set) & unsigned(flag)) != 0; }

class Control {
public:
    virtual ~Control() = default;

    // Creates the widget inside parent at its design position; the widget's
    // objectName is the control's name.
    void create(QWidget* parent, std::string_view name, const Twips& at, Style style = Style::Plain);
    QWidget* widget() const { return widget_; }
    // The control's own state: a control inside a disabled frame keeps it.
    bool enabled() const;
    void setEnabled(bool on);
    void setFocus();
    void setToolTip(std::string_view text);
    // The name a screen reader gives the control, where its caption alone
    // does not tell what it is or is shared with another control; the
    // caption then becomes the accessible description.
    void setReaderName(std::string_view name) { readerName_ = name; }
    // The caption of the label that names this control (its buddy); what
    // the control shows itself then becomes its accessible description.
    void nameAfter(std::string_view caption);

protected:
    virtual QWidget* makeWidget(QWidget* parent, Style style) = 0;
    // Names the control for a screen reader after its caption (or its
    // tooltip while the caption is empty), unless it has a reader name.
    void describe(std::string_view caption);
    // Shows the caption through the widget's own setter (a button's text, a
    // frame's title) and names the control after it.
    template <typename Widget>
    void showCaption(void (Widget::*setter)(const QString&), std::string_view caption);

private:
    QPointer<QWidget> widget_;
    std::string toolTip_;
    std::string readerName_;
    std::string buddyName_;
};

// A control whose Click handler runs when the user acts on it.
class ClickControl : public Control {
public:
    void onClick(Handler handler) { click_ = std::move(handler); }

protected:
    // A user's Click, run through the error boundary of the source's window.
    void fireClick(QWidget* source) const;
    // The Click a value setter runs before it returns; called directly, not
    // through the boundary, so that an error ends the handler that set it.
    void runClick() const;

private:
    Handler click_;
};

// Command buttons, check boxes and option buttons: a caption and a Click.
class ButtonControl : public ClickControl {
public:
    void setCaption(std::string_view caption);
};

class Label : public Control {
public:
    // A carriage return in the caption starts a new line.
    void setCaption(std::string_view caption);
    std::string caption() const;
    QLabel* label() const;
    // The label is the visible caption of control: its caption names it.
    void names(Control& control) { named_ = &control; }

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    Control* named_ = nullptr;
};

class TextBox : public Control {
public:
    void setText(std::string_view text);
    std::string text() const;
    QLineEdit* edit() const;
    // A paste (by keys or the context menu) goes to the handler as the text
    // would stand in the box, the text around the cursor included.
    void onPaste(PasteHandler handler) { paste_ = std::move(handler); }

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    PasteHandler paste_;
};

class CommandButton : public ButtonControl {
public:
    void setBold(bool bold);
    void setFontSize(int points);
    void setPicture(const QIcon& icon);
    QPushButton* button() const;

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;
};

class CheckBox : public ButtonControl {
public:
    int value() const; // 0 clear, 1 ticked
    // Changing the value runs the Click handler before returning, like a click.
    void setValue(int value);
    QCheckBox* box() const;

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;
};

class OptionButton : public ButtonControl {
public:
    bool value() const;
    // Setting true selects it (clearing its siblings) and runs Click.
    void setValue(bool value);
    QRadioButton* radio() const;

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;
};

// A disabled frame blocks input to every control inside it.
class Frame : public Control {
public:
    void setCaption(std::string_view caption);

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;
};

class ListBox : public Control {
public:
    void addItem(std::string_view text);
    void removeItem(int index);
    void clear();
    int listCount() const;
    // Empty text for an index at or past the end.
    std::string list(int index) const;
    // -1 when nothing is selected.
    int listIndex() const;
    void onDblClick(Handler handler) { dblClick_ = std::move(handler); }
    // The Delete key in the list.
    void onDelete(Handler handler) { delete_ = std::move(handler); }
    // Any paste into the list goes to the handler; the list takes nothing
    // in itself.
    void onPaste(PasteHandler handler) { paste_ = std::move(handler); }
    QListWidget* listWidget() const;

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    Handler dblClick_;
    Handler delete_;
    PasteHandler paste_;
};

// A drop-down list; Click runs only when the user picks an item.
class ComboBox : public ClickControl {
public:
    // The chosen item's text, empty when none is chosen.
    std::string text() const;
    void addItem(std::string_view text, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    // Leaves the entries but shows none of them as chosen.
    void clearChoice();
    // The chosen item, -1 when none is chosen; setting it runs no Click.
    int listIndex() const;
    void setListIndex(int index);
    QComboBox* combo() const;

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;
};

// The entry of `value` in `order`, as a combo box lists the values in that
// order; past the end for a value not in it.
template <typename Value, std::size_t N>
int entryOf(const Value (&order)[N], Value value)
{
    return static_cast<int>(std::find(order, order + N, value) - order);
}

// Puts the text on the clipboard, as Ctrl+C in a box would.
void copyToClipboard(std::string_view text);

} // namespace zoret::ui
