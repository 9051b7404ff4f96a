// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <string>
#include <string_view>

class QDateTimeEdit;

namespace zoret::ui {

// A date, or a date and time to the minute, typed or picked from a calendar;
// it holds a real one always. Its text is the journal's: "YYYY-MM-DD" or
// "YYYY-MM-DD HH:MM:SS".
class DateBox : public Control {
public:
    enum class Shows { Date, DateAndTime };
    explicit DateBox(Shows shows) : shows_(shows) {}

    std::string text() const;
    // A text that is not a date leaves the box as it was.
    void setText(std::string_view text);
    // Whenever the user changes it.
    void onChange(Handler handler) { change_ = std::move(handler); }
    QDateTimeEdit* edit() const;

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    Shows shows_;
    Handler change_;
};

} // namespace zoret::ui
