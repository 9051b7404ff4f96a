#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Lists every C++ source that .clang-format would change, and fails if any.
set -uo pipefail
clang_format="$1"
root="$2"
cd "$root" || exit 1
# The sources are the checkout's: outside one there is nothing to go by, and
# passing with nothing checked would hide it.
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "format: $root is not a git checkout" >&2
    exit 1
fi
unformatted=()
while IFS= read -r file; do
    "$clang_format" --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -ne 0 ]; then
    printf 'not formatted: %s\n' "${unformatted[@]}"
    echo "run: clang-format -i ${unformatted[*]}"
    exit 1
fi
echo "format: every source follows .clang-format"
