#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# tools/check-layers.sh on copies of the tree, each with one include that
# breaks the floors planted: it must fail and name what broke.
set -uo pipefail
root="$1"
failures=0
copy="$(mktemp -d)"
trap 'rm -rf "$copy"' EXIT

# plant FILE LINE EXPECTED: LINE added to FILE of a fresh copy.
plant() {
    rm -rf "$copy/tree" && mkdir "$copy/tree"
    cp -r "$root/core" "$root/journal" "$root/ui" "$root/app" "$root/tests" "$copy/tree/"
    [ -z "$1" ] || echo "$2" >>"$copy/tree/$1"
    out=$(bash "$root/tools/check-layers.sh" "$copy/tree" 2>&1)
    code=$?
    if [ -z "$1" ]; then
        [ "$code" = 0 ] || { echo "the tree as it is fails: $out"; failures=$((failures + 1)); }
    elif [ "$code" = 0 ] || ! grep -q "$3" <<<"$out"; then
        echo "not caught: $2 in $1 (exit $code): $out"
        failures=$((failures + 1))
    fi
}

plant "" "" ""
plant journal/rows.cpp '#include <QWidget>' "the journal includes Qt beyond Qt Core"
plant journal/rows.cpp '#include <QtGui/QColor>' "the journal includes Qt beyond Qt Core"
plant journal/rows.cpp '#include "ui/toolkit/form.h"' "the journal includes a floor above it"
plant ui/journal_window/journal_window.cpp '#include "journal/sqlite.h"' "a private header of the journal"
plant app/main.cpp '#include "journal/schema.h"' "a private header of the journal"
plant ui/settlement_window/settlement_window.cpp '#include "ui/journal_window/journal_window.h"' \
    "a window includes another window"
plant app/command_line.cpp '#include "ui/application.h"' "the command line reaches the windows"
plant app/CMakeLists.txt 'target_link_libraries(zoret_command_line PUBLIC ui_windows)' \
    "the command line reaches the windows"
plant core/binomial.cpp '#include "journal/journal_store.h"' "core includes a floor above it"

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
