// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTableWidget;

namespace zoret::ui {

// A read-only table with headed columns. Its cells hold text or a control of
// their own; a screen reader names each cell after its column heading and
// row number ("Итог 2") and reads what it shows as its description.
struct GridColumn {
    std::string_view heading;
    int width; // twips
};

class Grid : public Control {
public:
    void setColumns(const std::vector<GridColumn>& columns);
    // Rows are added empty or removed from the end.
    void setRowCount(int rows);
    void setText(int row, int column, std::string_view text);
    // Shows a row in bold and adds the note to what a screen reader says of
    // its cells; false shows it plain again.
    void markRow(int row, bool marked, std::string_view note);
    // Creates the control inside a cell under the given name. A screen
    // reader names it after the cell ("Итог 2") or by readerName if given.
    // Tab moves through the controls of the cells.
    void placeControl(int row, int column, Control& control, std::string_view name, Style style = Style::Plain,
                      std::string_view readerName = {});

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    // "Итог 2": the column heading and the row counted from 1.
    std::string cellName(int row, int column) const;
    QTableWidget* table() const;
};

// A set of controls for each row of a grid, the rows coming and going at the
// end: the rows kept keep their controls and what these hold, and each row
// added gets its controls from add(row).
template <typename RowControls, typename Add>
void showRows(Grid& grid, std::vector<std::unique_ptr<RowControls>>& rows, std::size_t count, Add add)
{
    grid.setRowCount(static_cast<int>(count));
    rows.resize(std::min(rows.size(), count));
    while (rows.size() < count)
        add(rows.size());
}

} // namespace zoret::ui
