// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/window_test.h"

// Runs a window scenario, one step a line or separated by " ; ", "verb control argument", driving the real
// widgets by objectName the way a user does:
//   type NAME TEXT / paste NAME TEXT / key NAME Enter|Esc|Tab|Delete / click NAME / pick NAME ITEM
//   add A B 3*C          list coefficients quickly (box filled, Enter)
//   select NAME ROW / dblclick NAME ROW    click or double-click the list's row
//   is NAME TEXT         the caption, text, chosen item or tick (0/1) shown
//   items NAME A|B|C     a list's or drop-down's items; a table's rows, cells joined by blanks, " *" if bold
//   enabled NAMES / disabled NAMES / focus NAME / reader NAME TEXT (the name a screen reader gives it)
//   message TEXT         the only message shown since, titled Zoret; warning TEXT: with the warning sign
//   copy NAME / clipboard TEXT    select a label's text with the mouse and Ctrl+C; what the clipboard holds
//   whole NAME           the label shows its whole caption, or elided with "…" and the caption in its tooltip
//   snapshot / unchanged every control's state now, later compared
//   within FORM ... end  the steps run in the modal window FORM the step before opens; the last closes it
// A failing step is reported with its text.
class Scenario {
public:
    Scenario(QWidget* window, ModalWatcher& watcher) : window_(window), watcher_(watcher) {}
    bool run(const QStringList& steps) { return runSteps(window_, steps); }
    bool run(const QString& script);

private:
    bool runStep(QWidget* window, const QString& step);
    bool runSteps(QWidget* window, const QStringList& steps);

    QWidget* window_;
    ModalWatcher& watcher_;
    QStringList snapshot_;
};
