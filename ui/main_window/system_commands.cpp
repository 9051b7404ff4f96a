// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"

#include "core/accumulator.h"
#include "core/convert.h"
#include "ui/toolkit/message_box.h"
#include "core/system_captions.h"

#include <array>
#include <string>
#include <vector>

namespace zoret::ui {

void MainWindow::Command3_Click()
{
    Listic();
    std::vector<double> listed;
    for (int i = 0; i < eventCount; ++i)
        listed.push_back(Val(List1.list(i)));
    accumulatorOdds = accumulatorProduct(listed);
    // With no events Label1 keeps its caption.
    if (eventCount > 0)
        Label1.setCaption(Str(accumulatorOdds));
}

void MainWindow::Command8_Click() { textKf.setText(Str(accumulatorOdds)); }

void MainWindow::Combo1_Click()
{
    Listic();
    Comic();
    systemKey = zoret::systemKey(eventCount, systemSize);
    Syst();
    applyListCommands();
}

void MainWindow::Syst()
{
    Label7.setCaption(systemName(eventCount, systemSize));
    Label3.setCaption(countCaption(systemKey));
}

void MainWindow::Command7_Click()
{
    Listic();
    Comic();
    if (systemSize == 0) {
        MsgBox(window(), "Выберите размер системы");
        Combo1.setFocus();
        return;
    }
    if (eventCount == 0)
        return;
    // The captions must describe the list being evaluated, also after an
    // event was removed while the size stayed chosen.
    const Integer key = zoret::systemKey(eventCount, systemSize);
    SQR();
    systemKey = key;
    Syst();
    systemVariantCount = toSingle(Val(Label3.caption()));
}

SystemEvaluation MainWindow::Priz() const
{
    std::array<std::string, systemPositions> items;
    for (int i = 0; i < systemPositions; ++i)
        items[static_cast<std::size_t>(i)] = List1.list(i);
    return evaluateSystem(items, systemSize);
}

void MainWindow::SQR()
{
    Comic();
    // Combo1 offers only sizes 2 to n - 1 of at most 20 events, so no click
    // reaches this message; SQR keeps it so that it never evaluates a size
    // the engine has no table for.
    if (systemSize < minSystemSize || systemSize > maxSystemSize) {
        MsgBox(window(), "Error: min-2 max 19", MsgBoxIcon::Warning);
        return;
    }
    const SystemEvaluation evaluation = Priz();
    const std::string caption = systemTotalText(systemSize, evaluation.total);
    odds = evaluation.odds;
    tailSums = evaluation.tailSums;
    Label4.setCaption(caption);
    systemOdds = evaluation.total;
}

void MainWindow::Command9_Click() { textKf.setText(Str(systemOdds)); }

void MainWindow::Check1_Click() { systemTicked = Check1.value() == 1; }

} // namespace zoret::ui
