#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a layer reaches above itself or around another: core/ includes
# Qt, the toolkit includes a window's header, a folder includes another
# folder's private header (a window's only public header is the one named
# after its folder; the application sees only ui/application.h), or a window
# handles Qt widgets the toolkit owns. Prints each offending line.
set -uo pipefail
root="$1"
status=0
report() { echo "$1"; status=1; }

while IFS= read -r line; do report "core includes Qt: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]*|qt[a-z]*/[^">]*)[">]' "$root/core" --include='*.h' --include='*.cpp')
while IFS= read -r line; do report "the toolkit includes a window: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"ui/[a-z_]+_window/' "$root/ui/toolkit")
while IFS= read -r line; do report "include not written from the repository root: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"[^/"]+\.h"' "$root/core" "$root/ui" "$root/app")

windows=(ui/*_window)
while IFS= read -r line; do
    file=${line%%:*} header=$(sed -E 's/.*#\s*include\s*"(ui\/[a-z_]+_window\/[a-z_]+\.h)".*/\1/' <<<"${line#*:*:}")
    folder=${header%/*}
    [[ "$file" == "$root/$folder/"* || "$header" == "$folder/${folder#ui/}.h" ]] ||
        report "another folder's private header: $line"
done < <(grep -rnE '^\s*#\s*include\s*"ui/[a-z_]+_window/' "$root/ui" "$root/app" "$root/tests" --include='*.h' --include='*.cpp')
while IFS= read -r line; do report "the application includes more of ui/ than its header: $line"; done < <(
    grep -rnE '^\s*#\s*include\s*"ui/' "$root/app" | grep -v '"ui/application.h"')
# A window reads and writes its controls through the toolkit; it may draw
# pictures, but never reach a widget itself.
while IFS= read -r line; do report "a window handles Qt widgets: $line"; done < <(
    cd "$root" && grep -rnE '(\.|->)widget\(\)|setAccessible|^\s*#\s*include\s*<Q' "${windows[@]}" |
        grep -vE '#\s*include\s*<(QIcon|QPainter|QPixmap|QPolygonF)>')

[ "$status" -eq 0 ] && echo "layers: core is Qt-free, the toolkit knows no window, each folder includes only public headers, windows use the toolkit"
exit "$status"
