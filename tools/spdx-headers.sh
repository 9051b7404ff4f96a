#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every tracked C++ source, shell script and CMake file the licence
# header of the REUSE convention (after the #! line of a script). Files that
# already carry one are left alone, so running it again changes nothing.
# With --check it changes nothing and lists the files that lack the header,
# failing when there is any. Data, pictures and documents are not touched:
# packaging/copyright states their licence.
# usage: spdx-headers.sh [--check] [ROOT]
set -euo pipefail

check=0
if [ "${1:-}" = --check ]; then
    check=1
    shift
fi
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"

# Spelled in two pieces so that licence scanners do not take these lines of
# the script for its own header.
tag=SPDX
copyright_line="$tag-FileCopyrightText: 2026 Zoret developers <zoret@example.org>"
licence_tag="$tag-License-Identifier:"
licence_line="$licence_tag GPL-3.0-or-later"

# The line comment of the file's language, or nothing when the file is not of
# a kind that carries the header.
comment_of() {
    case "$1" in
    *.cpp | *.h | *.hpp | *.cc) echo "//" ;;
    *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt) echo "#" ;;
    *) if head -n 1 "$1" | grep -qE '^#!.*[/ ](ba)?sh$'; then echo "#"; fi ;;
    esac
}

has_header() { head -n 5 "$1" | grep -qF "$licence_tag"; }

add_header() {
    local file=$1 comment=$2 body=$3 shebang=0
    head -n 1 "$file" | grep -q '^#!' && shebang=1
    {
        [ "$shebang" -eq 1 ] && head -n 1 "$file"
        printf '%s %s\n%s %s\n\n' "$comment" "$copyright_line" "$comment" "$licence_line"
        tail -n +$((shebang + 1)) "$file"
    } >"$body"
    # Written back in place, so the file keeps its mode.
    cat "$body" >"$file"
}

# The script gives itself its header too: bash reads a script as it runs, so
# all the work is in one function, read whole before it starts, and the
# line that calls it also ends the script.
main() {
    git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "SKIP: $root is not a git checkout"; exit 77; }

    body=$(mktemp)
    trap 'rm -f "$body"' EXIT
    missing=0
    while IFS= read -r -d '' file; do
        [ -f "$file" ] && [ ! -L "$file" ] || continue
        comment=$(comment_of "$file")
        [ -n "$comment" ] && ! has_header "$file" || continue
        missing=$((missing + 1))
        if [ "$check" -eq 1 ]; then
            echo "no licence header: $file"
        else
            add_header "$file" "$comment" "$body"
            echo "added: $file"
        fi
    done < <(git ls-files -z)

    if [ "$check" -eq 1 ] && [ "$missing" -ne 0 ]; then
        echo "$missing file(s) without a licence header; run tools/spdx-headers.sh"
        exit 1
    fi
}

main; exit
