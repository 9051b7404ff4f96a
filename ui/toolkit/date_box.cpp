// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/date_box.h"

#include "ui/toolkit/error_boundary.h"

#include <QDateTimeEdit>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace zoret::ui {

namespace {

QString storedFormat(DateBox::Shows shows)
{
    return shows == DateBox::Shows::Date ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

// A click in a part of the date selects it, so that the digits typed next
// replace it: Qt's own box takes them only over a selection.
class DateTimeEdit : public QDateTimeEdit {
public:
    explicit DateTimeEdit(QWidget* parent) : QDateTimeEdit(parent) { lineEdit()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease && !lineEdit()->hasSelectedText())
            setSelectedSection(currentSection());
        return QDateTimeEdit::eventFilter(watched, event);
    }
};

} // namespace

QWidget* DateBox::makeWidget(QWidget* parent, Style)
{
    auto* edit = new DateTimeEdit(parent);
    edit->setDisplayFormat(shows_ == Shows::Date ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("dd.MM.yyyy HH:mm"));
    edit->setCalendarPopup(true);
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [this, edit] {
        if (change_)
            runHandler(edit->window(), change_);
    });
    return edit;
}

QDateTimeEdit* DateBox::edit() const { return static_cast<QDateTimeEdit*>(widget()); }

std::string DateBox::text() const
{
    return edit() ? toStdString(edit()->dateTime().toString(storedFormat(shows_))) : std::string();
}

void DateBox::setText(std::string_view text)
{
    const QString typed = toQString(text);
    QDateTime read = QDateTime::fromString(typed, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!read.isValid())
        read = QDateTime(QDate::fromString(typed.left(10), Qt::ISODate), QTime(0, 0));
    if (!edit() || !read.isValid())
        return;
    const QSignalBlocker quiet(edit());
    edit()->setDateTime(read);
}

} // namespace zoret::ui
