// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/toolkit/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zoret::ui {

// The rows of a table, each made only when it is shown, so that a long list
// costs what a screenful does: how many, the texts of a row's cells, and how
// two rows compare in a column (below zero when the first sorts first), and
// what a cell's tooltip says (empty: none), asked when it is shown.
struct TableRows {
    int count = 0;
    std::function<std::vector<std::string>(int row)> cells;
    std::function<int(int a, int b, int column)> compare;
    std::function<std::string(int row, int column)> tip = {};
};

struct TableColumn {
    std::string_view heading;
    int width; // twips, unless the user has widened it before
    bool rightAligned = false;
};

class TableModel;

// A read-only table of many rows over Qt's model and view: no widget for a
// cell. A click on a heading sorts by that column, a second one the other
// way; rows are selected whole, several with Ctrl and Shift. Rows are known
// by their position in the list given, whatever the order shown. A screen
// reader names each cell after its column and row ("Дата 2").
class Table : public Control {
public:
    Table();
    ~Table() override;

    // The column widths the user sets are kept under this settings key.
    void setColumns(const std::vector<TableColumn>& columns, std::string_view settingsKey);
    // Replaces every row, keeping the order the user sorted by; nothing is
    // selected afterwards but the first row shown is current.
    void setRows(TableRows rows);
    int rowCount() const;
    // The rows selected, by their position in the list given, in the order shown.
    std::vector<int> selectedRows() const;
    // Double-click and Enter on a row.
    void onActivate(Handler handler) { activate_ = std::move(handler); }
    // Whenever the selection changes.
    void onSelectionChange(Handler handler) { selectionChange_ = std::move(handler); }

protected:
    QWidget* makeWidget(QWidget* parent, Style style) override;

private:
    void saveWidths() const;

    std::unique_ptr<TableModel> model_;
    std::string settingsKey_;
    Handler activate_;
    Handler selectionChange_;
};

} // namespace zoret::ui
