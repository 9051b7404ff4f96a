// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/table.h"

#include "ui/toolkit/error_boundary.h"
#include "ui/toolkit/settings.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace zoret::ui {

namespace {

// Enter on a row is its double-click.
class TableView : public QTableView {
public:
    TableView(QWidget* parent, Handler* activate) : QTableView(parent), activate_(activate) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->modifiers() == Qt::NoModifier && currentIndex().isValid() && *activate_) {
            runHandler(window(), *activate_);
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    Handler* activate_;
};

} // namespace

class TableModel : public QAbstractTableModel {
public:
    std::vector<TableColumn> columns;
    TableRows rows;
    std::vector<int> shown; // the rows by their position on screen
    // The rows made so far; the view asks for each cell of a row in turn.
    mutable std::unordered_map<int, std::vector<std::string>> made;
    int sortColumn = -1; // -1: the order given
    Qt::SortOrder sortOrder = Qt::AscendingOrder;

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(shown.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(columns.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
            return {};
        const int given = shown[static_cast<std::size_t>(index.row())];
        if (role == Qt::ToolTipRole)
            return tipOf(given, index.column());
        auto found = made.find(given);
        if (found == made.end())
            found = made.emplace(given, rows.cells(given)).first;
        const std::vector<std::string>& row = found->second;
        const auto column = static_cast<std::size_t>(index.column());
        const QString text = column < row.size() ? toQString(row[column]) : QString();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleDescriptionRole:
            return text;
        case Qt::AccessibleTextRole:
            return toQString(columns[column].heading) + ' ' + QString::number(index.row() + 1);
        case Qt::TextAlignmentRole:
            return columns[column].rightAligned ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
        }
    }

    QVariant tipOf(int row, int column) const
    {
        const std::string tip = rows.tip ? rows.tip(row, column) : std::string();
        return tip.empty() ? QVariant() : QVariant(toQString(tip));
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
            return QAbstractTableModel::headerData(section, orientation, role);
        return toQString(columns[static_cast<std::size_t>(section)].heading);
    }

    // Rows that sort alike keep the order they were given in, either way.
    void arrange()
    {
        shown.resize(static_cast<std::size_t>(std::max(rows.count, 0)));
        std::iota(shown.begin(), shown.end(), 0);
        if (sortColumn < 0 || !rows.compare)
            return;
        const int sign = sortOrder == Qt::AscendingOrder ? 1 : -1;
        std::stable_sort(shown.begin(), shown.end(),
                         [&](int a, int b) { return sign * rows.compare(a, b, sortColumn) < 0; });
    }

    // The view keeps the selected rows selected whatever the new order.
    void sort(int column, Qt::SortOrder order) override
    {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        std::vector<int> given;
        for (const QModelIndex& index : before)
            given.push_back(shown[static_cast<std::size_t>(index.row())]);
        sortColumn = column;
        sortOrder = order;
        arrange();
        std::vector<int> at(shown.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            at[static_cast<std::size_t>(shown[i])] = static_cast<int>(i);
        QModelIndexList after;
        for (qsizetype i = 0; i < before.size(); ++i)
            after << index(at[static_cast<std::size_t>(given[static_cast<std::size_t>(i)])], before[i].column());
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    void replaceColumns(std::vector<TableColumn> newColumns)
    {
        beginResetModel();
        columns = std::move(newColumns);
        endResetModel();
    }

    void replace(TableRows newRows)
    {
        beginResetModel();
        rows = std::move(newRows);
        made.clear();
        arrange();
        endResetModel();
    }
};

Table::Table() : model_(std::make_unique<TableModel>()) {}

Table::~Table() = default;

QWidget* Table::makeWidget(QWidget* parent, Style)
{
    auto* view = new TableView(parent, &activate_);
    view->setModel(model_.get());
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows of one line of text, so that a long journal shows many at once.
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSortIndicator(model_->sortColumn, model_->sortOrder);
    view->horizontalHeader()->setSortIndicatorShown(model_->sortColumn >= 0);
    view->setSortingEnabled(true);
    QObject::connect(view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, view,
                     [view] { view->horizontalHeader()->setSortIndicatorShown(true); });
    QObject::connect(view, &QAbstractItemView::doubleClicked, view, [this, view] {
        if (activate_)
            runHandler(view->window(), activate_);
    });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view, [this, view] {
        if (selectionChange_)
            runHandler(view->window(), selectionChange_);
    });
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionResized, view, [this] { saveWidths(); });
    return view;
}

void Table::setColumns(const std::vector<TableColumn>& columns, std::string_view settingsKey)
{
    // Showing the columns and restoring their widths must not save them half done.
    settingsKey_.clear();
    model_->replaceColumns(columns);
    const std::string key(settingsKey);
    auto* view = static_cast<QTableView*>(widget());
    if (!view)
        return;
    const QVariantList saved = savedSetting(key).toList();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int width = i < std::size_t(saved.size()) ? saved[qsizetype(i)].toInt() : 0;
        view->setColumnWidth(static_cast<int>(i), width > 0 ? width : toPixels(columns[i].width));
    }
    settingsKey_ = key;
}

void Table::saveWidths() const
{
    auto* view = static_cast<QTableView*>(widget());
    if (settingsKey_.empty() || !view)
        return;
    QVariantList widths;
    for (int i = 0; i < model_->columnCount(); ++i)
        widths << view->columnWidth(i);
    saveSetting(settingsKey_, widths);
}

void Table::setRows(TableRows rows)
{
    model_->replace(std::move(rows));
    if (auto* view = static_cast<QTableView*>(widget()); view && model_->rowCount() > 0)
        view->selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
}

int Table::rowCount() const { return model_->rowCount(); }

std::vector<int> Table::selectedRows() const
{
    auto* view = static_cast<QTableView*>(widget());
    std::vector<int> selected;
    if (!view)
        return selected;
    QModelIndexList rows = view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : rows)
        selected.push_back(model_->shown[static_cast<std::size_t>(index.row())]);
    return selected;
}

} // namespace zoret::ui
