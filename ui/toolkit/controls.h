// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/geometry.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGroupBox;
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

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toStdString(const QString& text) { return text.toStdString(); }

class Control {
public:
    QWidget* widget() const { return widget_; }
    // The control's own state: a control inside a disabled frame keeps it.
    bool enabled() const;
    void setEnabled(bool on);
    void setFocus();
    void setToolTip(std::string_view text);
    int tabIndex() const { return tabIndex_; }

protected:
    void place(QWidget* widget, QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void describe(std::string_view caption);

private:
    QPointer<QWidget> widget_;
    int tabIndex_ = -1;
    std::string toolTip_;
};

enum class Align { Left, Center, Right };

struct LabelStyle {
    Align align = Align::Left;
    bool border = false;
};

class Label : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex, LabelStyle style = {});
    // A carriage return in the caption starts a new line.
    void setCaption(std::string_view caption);
    std::string caption() const;
    QLabel* label() const;
};

class TextBox : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void setText(std::string_view text);
    std::string text() const;
    QLineEdit* edit() const;
};

class CommandButton : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void setCaption(std::string_view caption);
    void setBold(bool bold);
    void setFontSize(int points);
    void setPicture(const QIcon& icon);
    void onClick(Handler handler) { click_ = std::move(handler); }
    QPushButton* button() const;

private:
    Handler click_;
};

class CheckBox : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void setCaption(std::string_view caption);
    int value() const; // 0 clear, 1 ticked
    // Changing the value runs the Click handler before returning, like a click.
    void setValue(int value);
    void onClick(Handler handler) { click_ = std::move(handler); }
    QCheckBox* box() const;

private:
    Handler click_;
};

class OptionButton : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void setCaption(std::string_view caption);
    bool value() const;
    // Setting true selects it (clearing its siblings) and runs Click.
    void setValue(bool value);
    void onClick(Handler handler) { click_ = std::move(handler); }
    QRadioButton* radio() const;

private:
    Handler click_;
};

// A disabled frame blocks input to every control inside it.
class Frame : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void setCaption(std::string_view caption);
    QGroupBox* group() const;
};

class ListBox : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    void addItem(std::string_view text);
    void removeItem(int index);
    void clear();
    int listCount() const;
    // Empty text for an index at or past the end.
    std::string list(int index) const;
    // -1 when nothing is selected.
    int listIndex() const;
    void onDblClick(Handler handler) { dblClick_ = std::move(handler); }
    QListWidget* listWidget() const;

private:
    Handler dblClick_;
};

// A drop-down list; Click runs only when the user picks an item.
class ComboBox : public Control {
public:
    void create(QWidget* parent, std::string_view name, const Twips& at, int tabIndex);
    // The chosen item's text, empty when none is chosen.
    std::string text() const;
    void addItem(std::string_view text, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    // Leaves the entries but shows none of them as chosen.
    void clearChoice();
    void onClick(Handler handler) { click_ = std::move(handler); }
    QComboBox* combo() const;

private:
    Handler click_;
};

} // namespace zoret::ui
