// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/entry_combo_box.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace zoret::ui {

QWidget* EntryComboBox::makeWidget(QWidget* parent, Style)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // What the user types is kept as typed, never added to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    combo->completer()->setCaseSensitivity(Qt::CaseSensitive);
    return combo;
}

QComboBox* EntryComboBox::combo() const { return static_cast<QComboBox*>(widget()); }

void EntryComboBox::setEntries(const std::vector<std::string>& entries)
{
    if (!combo())
        return;
    combo()->clear();
    for (const std::string& entry : entries)
        combo()->addItem(toQString(entry));
    combo()->setCurrentIndex(-1);
    combo()->clearEditText();
}

std::string EntryComboBox::text() const { return combo() ? toStdString(combo()->currentText()) : std::string(); }

void EntryComboBox::setText(std::string_view text)
{
    if (combo())
        combo()->setEditText(toQString(text));
}

} // namespace zoret::ui
