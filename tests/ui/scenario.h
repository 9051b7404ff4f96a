// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ui/modal_watcher.h"

#include <QString>
#include <QStringList>
#include <QWidget>

// Runs a window scenario: one step a line, "verb control argument", driving
// the real widgets by objectName the way a user does. The steps:
//   type NAME TEXT        replace the box's text by typing it
//   add A B 3*C           list coefficients quickly (box filled, Enter)
//   key NAME KEY          press Enter, Esc, Tab, Delete or Ctrl+V in a control
//   paste NAME TEXT       put TEXT on the clipboard and press Ctrl+V there
//   click NAME            click a button, an option or a check box
//   pick NAME ITEM        choose ITEM of a drop-down list
//   select NAME ROW       click the list's row; dblclick NAME ROW double-clicks
//   is NAME TEXT          the label's caption, box's text or chosen item
//   items NAME A|B|C      a list's or drop-down's items ("items NAME" for none);
//                         a table's rows, the texts of a row's cells joined
//                         by blanks and " *" after a bold row
//   enabled NAMES / disabled NAMES / focus NAME
//   message TEXT          the only message shown since said TEXT, titled
//                         Zoret; warning TEXT: and with the warning sign
//   copy NAME             select a label's whole text with the mouse, Ctrl+C
//   clipboard TEXT        the clipboard holds TEXT
//   reader NAME TEXT      a screen reader names the control TEXT
//   whole NAME            the label shows its whole caption or, elided with
//                         "…", has it in its tooltip
//   snapshot / unchanged  every control's state now, later compared
//   within FORM ... end   the steps run in the modal window FORM that the
//                         step before opens; the last step closes it
// A failing step reports its line; a message nobody expected fails the
// scenario when it ends (WindowTestCase).
class Scenario {
public:
    Scenario(QWidget* window, ModalWatcher& watcher) : window_(window), watcher_(watcher) {}
    // Runs every step; returns false (with the failure recorded by QtTest)
    // at the first step that fails.
    bool run(const QStringList& steps);
    // The same, from a script of one step a line (blank lines skipped).
    bool run(const QString& script);

private:
    bool runStep(QWidget* window, const QString& step);
    bool runSteps(QWidget* window, const QStringList& steps);

    QWidget* window_;
    ModalWatcher& watcher_;
    QStringList snapshot_;
};

// Every control's visible state, one line each: for "nothing else changed".
QStringList controlStates(QWidget* window);
