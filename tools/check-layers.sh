#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a layer reaches above itself or around another. Four floors:
# core/ (no Qt), journal/ (core and Qt Core: no widget, no window), ui/, app/.
# Core includes Qt or a floor above it; the journal includes a header of
# Qt beyond Qt Core, or of ui/ or app/; ui/ or app/ include a private header
# of the journal (its public ones are journal_store.h and journal_command.h);
# the command line includes ui/ or links a widget library; the toolkit
# includes a window's header; a window includes another window's header
# (only the main window opens them); a folder includes another folder's
# private header (a window's only public header is the one named after its
# folder; the application sees only ui/application.h); or a window handles
# Qt widgets the toolkit owns. Prints each offending line.
set -uo pipefail
root="$1"
status=0
report() { echo "$1"; status=1; }

while IFS= read -r line; do report "core includes Qt: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]*|qt[a-z]*/[^">]*)[">]' "$root/core" --include='*.h' --include='*.cpp')
while IFS= read -r line; do report "core includes a floor above it: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"(journal|ui|app)/' "$root/core" --include='*.h' --include='*.cpp')

# Qt Core's headers, where Qt is installed; without them, its modules by name.
qt_core="$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null)/QtCore"
while IFS= read -r line; do
    header=$(sed -E 's/.*#\s*include\s*<([^>]*)>.*/\1/' <<<"${line#*:*:}")
    case "$header" in
    QtCore/*) ;;
    Qt[A-Za-z]*/*) report "the journal includes Qt beyond Qt Core: $line" ;;
    *) [ ! -d "$qt_core" ] || [ -e "$qt_core/$header" ] || report "the journal includes Qt beyond Qt Core: $line" ;;
    esac
done < <(grep -rnE '^\s*#\s*include\s*<Q' "$root/journal")
while IFS= read -r line; do report "the journal includes a floor above it: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"(ui|app)/' "$root/journal")
while IFS= read -r line; do report "a private header of the journal: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"journal/' "$root/ui" "$root/app" |
        grep -vE '"journal/(journal_store|journal_command)\.h"')
while IFS= read -r line; do report "the command line reaches the windows: $line"; done < <(
    grep -nE '^\s*#\s*include\s*("ui/|<Qt(Widgets|Gui)|<Q(Widget|Application|GuiApplication)>)' "$root"/app/command_line.*
    grep -nE 'target_link_libraries\(zoret_command_line .*(ui_|Widgets|Gui)' "$root/app/CMakeLists.txt")
while IFS= read -r line; do
    file=${line%%:*} folder=${file#"$root/"} folder=${folder%/*}
    [[ "$line" == *"\"$folder/"* ]] || report "a window includes another window: $line"
done < <(grep -rnE '^\s*#\s*include\s*"ui/[a-z_]+_window/' "$root"/ui/*_window --include='*.h' --include='*.cpp' |
    grep -v "^$root/ui/main_window/")

while IFS= read -r line; do report "the toolkit includes a window: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"ui/[a-z_]+_window/' "$root/ui/toolkit")
while IFS= read -r line; do report "include not written from the repository root: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"[^/"]+\.h"' "$root/core" "$root/journal" "$root/ui" "$root/app")

windows=(ui/*_window)
while IFS= read -r line; do
    file=${line%%:*} header=$(sed -E 's/.*#\s*include\s*"(ui\/[a-z_]+\/[a-z_]+\.h)".*/\1/' <<<"${line#*:*:}")
    folder=${header%/*}
    [[ "$file" == "$root/$folder/"* || "$header" == "$folder/${folder#ui/}.h" ]] ||
        report "another folder's private header: $line"
done < <(grep -rnE '^\s*#\s*include\s*"ui/([a-z_]+_window|journal_access)/' "$root/ui" "$root/app" "$root/tests" --include='*.h' --include='*.cpp')
while IFS= read -r line; do report "the application includes more of ui/ than its header: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"ui/' "$root/app" | grep -v '"ui/application.h"')
# A window reads and writes its controls through the toolkit; it may draw
# pictures, but never reach a widget itself.
while IFS= read -r line; do report "a window handles Qt widgets: $line"; done < <(
    cd "$root" && grep -rnE '(\.|->)widget\(\)|setAccessible|^\s*#\s*include\s*<Q' "${windows[@]}" |
        grep -vE '#\s*include\s*<(QIcon|QPainter|QPixmap|QPolygonF)>')

[ "$status" -eq 0 ] && echo "layers: core is Qt-free, the journal knows no widget, the command line no window, the toolkit knows no window, no window includes another, each folder includes only public headers, windows use the toolkit"
exit "$status"
