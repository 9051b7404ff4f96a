// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/toolkit/layout.h"

#include "ui/toolkit/fonts.h"

#include <QAbstractButton>
#include <QFont>
#include <QWidget>

#include <algorithm>

namespace zoret::ui {

namespace {

void applyFont(QWidget* widget, const FontChoice& choice)
{
    if (choice.points <= 0)
        return;
    if (choice.family) {
        widget->setFont(designFont(choice.family, choice.points));
        return;
    }
    QFont font = widget->font();
    font.setPointSizeF(choice.points);
    widget->setFont(font);
}

void createControl(QWidget* window, const ControlRow& row)
{
    QWidget* parent = row.parent ? row.parent->widget() : window;
    row.control.create(parent, row.name, row.at, row.style);
    if (!row.toolTip.empty())
        row.control.setToolTip(row.toolTip);
    applyFont(row.control.widget(), row.font);
}

// Tab visits the controls that take the focus, by tab index.
void chainTabOrder(const Layout& layout)
{
    std::vector<const ControlRow*> ordered;
    for (const ControlRow& row : layout)
        ordered.push_back(&row);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    std::vector<Control*> order;
    for (const ControlRow* row : ordered)
        order.push_back(&row->control);
    chainFocus(order);
}

} // namespace

void chainFocus(const std::vector<Control*>& order)
{
    QWidget* previous = nullptr;
    for (const Control* control : order) {
        QWidget* widget = control->widget();
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QAbstractButton* buildControls(QWidget* window, const Layout& layout)
{
    QAbstractButton* cancel = nullptr;
    for (const ControlRow& row : layout) {
        createControl(window, row);
        if (has(row.style, Style::CancelButton))
            cancel = qobject_cast<QAbstractButton*>(row.control.widget());
    }
    chainTabOrder(layout);
    return cancel;
}

} // namespace zoret::ui
