// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <string>
#include <string_view>
#include <vector>

class QComboBox;

namespace zoret::ui {

// A box to type in with a drop-down list of the entries used before.
class EntryComboBox : public Control {
public:
    // The entries offered; the box is left empty.
    void setEntries(const std::vector<std::string>& entries);
    std::string text() const;
    void setText(std::string_view text);

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    QComboBox* combo() const;
};

} // namespace zoret::ui
