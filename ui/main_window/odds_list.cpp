// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"

#include "core/convert.h"
#include "core/number_text.h"
#include "core/odds_list_commands.h"
#include "core/pasted_odds.h"
#include "core/runtime_error.h"

namespace zoret::ui {

namespace {

// The entries are always a run "2", "3", ... so only the end ever changes:
// with thousands of events an addition appends one entry instead of
// rebuilding the whole list.
void offerSizes(ComboBox& sizes, int count)
{
    while (sizes.listCount() > count)
        sizes.removeItem(sizes.listCount() - 1);
    while (sizes.listCount() < count)
        sizes.addItem(CStr(static_cast<Integer>(sizes.listCount() + minSystemSize)));
}

} // namespace

OddsListState MainWindow::listState() const
{
    return {eventCount, List1.listIndex(), Combo1.listIndex() >= 0 ? CInt(Val(Combo1.text())) : 0, Combo1.listCount(),
            Command7.enabled()};
}

void MainWindow::applyListCommands()
{
    const OddsListCommands commands = oddsListCommands(listState());
    Command3.setEnabled(commands.accumulator);
    Combo1.setEnabled(commands.sizes);
    Label5.setEnabled(commands.sizes);
    Command7.setEnabled(commands.system);
    offerSizes(Combo1, commands.offeredSizes);
}

void MainWindow::Listic() { eventCount = toInteger(List1.listCount()); }

void MainWindow::Comic() { systemSize = CInt(Val(Combo1.text())); }

void MainWindow::Command1_Click()
{
    const std::string typed = Text1.text();
    if (typed.empty())
        return;
    const std::string item = Str(typedVal(typed));
    if (List1.listCount() >= 32767)
        throw RuntimeError(ErrorCode::Overflow); // the count is an integer

    List1.addItem(item);
    Text1.setText("");
    Text1.setFocus();
    Listic();
    // Any size chosen before no longer describes the list.
    Combo1.clearChoice();
    applyListCommands();
    showEventCount();
}

// A paste into the box or the list: a column or a row of odds becomes
// events; a single number pastes into the box as typed, and into the list as
// an event.
bool MainWindow::pasteEvents(const std::string& text, bool intoList)
{
    std::optional<std::vector<std::string>> events = pastedEvents(text);
    if (!events && intoList && !isBlankText(text))
        events = std::vector<std::string>{std::string(trimBlanks(text))};
    if (!events)
        return intoList;
    addPastedEvents(*events);
    return true;
}

// Each pasted event is added as if typed and added on its own. Every one is
// read first, so one the conversion rejects stops the paste before anything
// is listed.
void MainWindow::addPastedEvents(const std::vector<std::string>& events)
{
    for (const std::string& event : events)
        typedVal(event);
    for (const std::string& event : events) {
        Text1.setText(event);
        Command1_Click();
    }
    Text1.setText("");
}

void MainWindow::Command2_Click() { removeSelectedEvent(); }

void MainWindow::List1_DblClick() { removeSelectedEvent(); }

void MainWindow::removeSelectedEvent()
{
    Listic();
    if (!oddsListCommands(listState()).removal)
        return;
    List1.removeItem(List1.listIndex());
    List1.setFocus();
    Listic();
    applyListCommands();
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
