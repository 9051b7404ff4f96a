#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a layer reaches above itself: core/ includes Qt, or the toolkit
# includes a window's header. Prints each offending include.
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

[ "$status" -eq 0 ] && echo "layers: core is Qt-free, the toolkit knows no window"
exit "$status"
