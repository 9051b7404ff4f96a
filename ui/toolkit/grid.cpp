// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/grid.h"

#include <QHeaderView>
#include <QTableWidget>

namespace zoret::ui {

namespace {

constexpr int noteRole = Qt::UserRole;

// Makes the cell's item if it has none yet; every item is read-only.
QTableWidgetItem* itemAt(QTableWidget* table, int row, int column)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    return item;
}

void describeCell(QTableWidgetItem* item)
{
    const QString note = item->data(noteRole).toString();
    item->setData(Qt::AccessibleDescriptionRole, note.isEmpty() ? item->text() : item->text() + ", " + note);
}

} // namespace

QWidget* Grid::makeWidget(QWidget* parent, Style)
{
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    return table;
}

QTableWidget* Grid::table() const { return static_cast<QTableWidget*>(widget()); }

void Grid::setColumns(const std::vector<GridColumn>& columns)
{
    if (!table())
        return;
    QStringList labels;
    for (const GridColumn& column : columns)
        labels << toQString(column.heading);
    table()->setColumnCount(static_cast<int>(labels.size()));
    table()->setHorizontalHeaderLabels(labels);
    for (int i = 0; i < table()->columnCount(); ++i)
        table()->setColumnWidth(i, toPixels(columns[static_cast<std::size_t>(i)].width));
}

void Grid::setRowCount(int rows)
{
    if (table())
        table()->setRowCount(rows);
}

std::string Grid::cellName(int row, int column) const
{
    const QTableWidgetItem* heading = table() ? table()->horizontalHeaderItem(column) : nullptr;
    return toStdString((heading ? heading->text() : QString()) + ' ' + QString::number(row + 1));
}

void Grid::setText(int row, int column, std::string_view text)
{
    if (!table())
        return;
    QTableWidgetItem* item = itemAt(table(), row, column);
    item->setText(toQString(text));
    item->setData(Qt::AccessibleTextRole, toQString(cellName(row, column)));
    describeCell(item);
}

void Grid::markRow(int row, bool marked, std::string_view note)
{
    if (!table())
        return;
    for (int column = 0; column < table()->columnCount(); ++column) {
        QTableWidgetItem* item = itemAt(table(), row, column);
        QFont font = item->font();
        font.setBold(marked);
        item->setFont(font);
        item->setData(noteRole, marked ? toQString(note) : QString());
        describeCell(item);
    }
}

void Grid::placeControl(int row, int column, Control& control, std::string_view name, Style style,
                        std::string_view readerName)
{
    if (!table())
        return;
    // The cells' own Tab would move an invisible current cell instead.
    table()->setTabKeyNavigation(false);
    if (!readerName.empty())
        control.setReaderName(readerName);
    control.create(table(), name, Twips{}, style);
    const QString named = toQString(readerName.empty() ? cellName(row, column) : std::string(readerName));
    control.widget()->setAccessibleName(named);
    // A screen reader walks the table by its cells, not by the controls in
    // them: the cell carries the control's name too.
    itemAt(table(), row, column)->setData(Qt::AccessibleTextRole, named);
    table()->setCellWidget(row, column, control.widget());
}

} // namespace zoret::ui
