#!/usr/bin/python3
"""Walks Zoret's accessible tree as a screen reader sees it (AT-SPI) and fails on
a focusable control with an empty or duplicate name, or a label without a name.

Run inside a D-Bus session with the AT-SPI registry, after starting zoret with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (tools/ci/accessibility.sh does both). It adds
two events through the main window, then opens every child window ("...")
from the main window's buttons and from the menu items no button has, checks
it and closes it again. The menu bar needs a name, and so does every item.
"""
import sys
import time

import pyatspi

problems = []


def wait_for(what, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        found = what()
        if found:
            return found
        time.sleep(0.1)
    return None


def children(node):
    return [child for child in node if child is not None]


def descendants(node):
    for child in children(node):
        yield child
        # A drop-down list's popup is part of the drop-down, not a control of its own.
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from descendants(child)


def is_focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def reader_name(node):
    """What a screen reader names the control by: on Linux a combo box's name is the item it shows, and the label
    it is labelled by tells it from another showing the same item."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
                return f"{relation.getTarget(0).name}: {node.name}"
    return node.name


def check_window(window):
    names = {}
    for node in descendants(window):
        role = node.getRoleName()
        if node.getRole() == pyatspi.ROLE_LABEL and not node.name.strip():
            problems.append(f"{window.name}: a label without a name")
        if is_focusable(node):
            if not node.name.strip():
                problems.append(f"{window.name}: a {role} without a name")
            else:
                names.setdefault(reader_name(node), []).append(role)
    for name, roles in names.items():
        if len(roles) > 1:
            problems.append(f"{window.name}: {len(roles)} controls named {name!r} ({', '.join(roles)})")
    count = sum(1 for node in descendants(window) if is_focusable(node))
    print(f"checked {window.name!r}: {count} focusable controls")


def find(window, role, name):
    for node in descendants(window):
        if node.getRole() == role and node.name == name:
            return node
    return None


def press(button):
    button.queryAction().doAction(0)


def check_menus(window):
    """The menu bar's own name and its items, and the openers among them no button already has."""
    bar = next((node for node in descendants(window) if node.getRole() == pyatspi.ROLE_MENU_BAR), None)
    if bar is None:
        problems.append(f"{window.name}: no menu bar")
        return []
    if not bar.name.strip():
        problems.append(f"{window.name}: a menu bar without a name")
    items = [node for node in descendants(bar) if node.getRole() == pyatspi.ROLE_MENU_ITEM]
    for item in items:
        if not item.name.strip():
            problems.append(f"{window.name}: a menu item without a name")
    print(f"checked the menu bar {bar.name!r}: {len(items)} items")
    return items


# The buttons of a window that open another one of the program's own (not a file dialog).
INNER_OPENERS = ("Движения...",)


def open_and_check(app, opener):
    """Opens the window, checks it and the windows it opens in turn, closes it; how many were checked."""
    before = len(children(app))
    press(opener)
    child = wait_for(lambda: children(app)[-1] if len(children(app)) > before else None)
    if child is None:
        problems.append(f"{opener.name!r} opened no window")
        return 0
    time.sleep(0.3)
    check_window(child)
    checked = 1
    for inner in [node for node in descendants(child)
                  if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name in INNER_OPENERS]:
        checked += open_and_check(app, inner)
    closer = next((node for node in descendants(child) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
                   and node.name in ("ОК", "OK", "Закрыть")), None)
    if closer is None:
        sys.exit(f"{child.name!r} has no button to close it")
    press(closer)
    wait_for(lambda: len(children(app)) == before)
    return checked


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in children(desktop) if a.name == "Zoret"), None))
    if app is None:
        sys.exit("zoret did not appear on the accessibility bus")
    main_window = wait_for(lambda: next(iter(children(app)), None))
    if main_window.getRole() != pyatspi.ROLE_FRAME:
        problems.append(f"the main window has the role {main_window.getRoleName()!r}, not a window's")

    entry = find(main_window, pyatspi.ROLE_TEXT, "Коэффициенты")
    add = find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Добавить")
    if entry is None or add is None:
        problems.append("the odds box 'Коэффициенты' or the button 'Добавить' cannot be found by name")
    else:
        for odds in ("1.5", "2.25"):
            entry.queryEditableText().setTextContents(odds)
            press(add)
            time.sleep(0.3)
    check_window(main_window)

    # A disabled button cannot be pressed ("Расчёт..." waits for an event).
    openers = [node for node in descendants(main_window)
               if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name.endswith("...")
               and node.getState().contains(pyatspi.STATE_ENABLED)]
    # The menu items that open a window of their own; the others do what a button does.
    openers += [item for item in check_menus(main_window)
                if item.name in ("Калькулятор вилки...", "Справедливые коэффициенты...", "Форматы коэффициентов...",
                                 "Вилка на форах и тоталах...", "Модель матча...", "Журнал ставок...")]
    checked = 1
    for opener in openers:
        checked += open_and_check(app, opener)

    for problem in problems:
        print("accessibility:", problem)
    print(f"accessibility: {checked} windows, {len(problems)} problems")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
