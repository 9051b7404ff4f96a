// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"

#include "core/convert.h"
#include "core/runtime_error.h"

namespace zoret::ui {

namespace {

// Sizes 2 to n - 1 are offered for n events. The entries are always a run
// "2", "3", ... so only the end ever changes: with thousands of events an
// addition appends one entry instead of rebuilding the whole list.
void offerSizesFor(ComboBox& sizes, int events)
{
    const int wanted = events >= 3 ? events - 2 : 0;
    while (sizes.listCount() > wanted)
        sizes.removeItem(sizes.listCount() - 1);
    while (sizes.listCount() < wanted)
        sizes.addItem(CStr(static_cast<Integer>(sizes.listCount() + 2)));
}

} // namespace

void MainWindow::Listic() { eventCount = toInteger(List1.listCount()); }

void MainWindow::Comic() { systemSize = CInt(Val(Combo1.text())); }

void MainWindow::Command1_Click()
{
    const std::string typed = Text1.text();
    if (typed.empty())
        return;
    const std::string item = Str(Val(typed));
    if (List1.listCount() >= 32767)
        throw RuntimeError(ErrorCode::Overflow); // the count is an integer

    List1.addItem(item);
    Text1.setText("");
    Text1.setFocus();
    Listic();
    const int n = eventCount;
    if (n >= 2) {
        Command3.setEnabled(true);
        Command8.setEnabled(true);
    } else {
        Command3.setEnabled(false);
    }
    // Any size chosen before no longer describes the list.
    Combo1.clearChoice();
    if (n >= 3 && n <= 20) {
        Combo1.setEnabled(true);
        Label5.setEnabled(true);
        offerSizesFor(Combo1, n);
    } else if (n <= 2) {
        Command7.setEnabled(false);
        Combo1.clear();
        Combo1.setEnabled(false);
    } else {
        offerSizesFor(Combo1, n);
        Combo1.setEnabled(false);
        Label5.setEnabled(false);
        Command7.setEnabled(false);
    }
    showEventCount();
}

// A pasted column of odds: each line is added as if typed and added on its
// own. Every line is read first, so a line the conversion rejects stops the
// paste before anything is listed.
void MainWindow::addPastedEvents(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        Val(line);
    for (const std::string& line : lines) {
        Text1.setText(line);
        Command1_Click();
    }
    Text1.setText("");
}

void MainWindow::Command2_Click() { removeSelectedEvent(); }

void MainWindow::List1_DblClick() { removeSelectedEvent(); }

void MainWindow::removeSelectedEvent()
{
    Listic();
    if (eventCount == 0)
        return;
    const int index = List1.listIndex();
    if (index < 0)
        return;
    List1.removeItem(index);
    List1.setFocus();
    Listic();
    const int n = eventCount;
    Command3.setEnabled(n >= 2);
    if (n >= 3 && n <= 20) {
        Combo1.setEnabled(true);
        Label5.setEnabled(true);
        Combo1.removeItem(n - 2);
    } else {
        Combo1.setEnabled(false);
        Label5.setEnabled(false);
        Command7.setEnabled(false);
    }
    if (n > 20)
        Combo1.removeItem(n - 2);
    showEventCount();
}

void MainWindow::Command4_Click()
{
    LoaD1();
    Text1.setFocus();
    Listic();
    showEventCount();
}

} // namespace zoret::ui
