#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build tree into a scratch prefix and checks that what a
# desktop needs is there and refers to itself consistently: a desktop entry
# whose Exec and Icon resolve, icons whose pixel size matches their theme
# folder, metainfo that launches the entry, and a binary that announces the
# same application id to Qt.
# usage: check_install.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail

build=$1
prefix=$2
id=$3

command -v file >/dev/null || { echo "SKIP: 'file' is not installed"; exit 77; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

share=$prefix/share
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml

entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }

if [ -f "$desktop" ]; then
    exec_command=$(entry Exec | cut -d' ' -f1)
    [ -x "$prefix/bin/$exec_command" ] || fail "Exec=$exec_command is not an installed program"
    [ "$(entry Icon)" = "$id" ] || fail "Icon=$(entry Icon) is not the application id $id"
    # Cyrillic letters are two bytes in UTF-8, led by 0xd0 or 0xd1.
    grep '^Comment\[ru\]=' "$desktop" | LC_ALL=C grep -q $'[\xd0\xd1]' || fail "no Russian Comment in the desktop entry"
else
    fail "no desktop entry at ${desktop#"$prefix"/}"
fi

for size in 16 32 48 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ -f "$icon" ]; then
        file -b "$icon" | grep -q "^PNG image data, $size x $size," \
            || fail "${icon#"$prefix"/} is not a ${size}x${size} PNG: $(file -b "$icon")"
    else
        fail "no icon ${icon#"$prefix"/}"
    fi
done
svg=$share/icons/hicolor/scalable/apps/$id.svg
if [ -f "$svg" ]; then
    file -b "$svg" | grep -q "SVG" || fail "${svg#"$prefix"/} is not SVG: $(file -b "$svg")"
else
    fail "no scalable icon ${svg#"$prefix"/}"
fi

if [ -f "$metainfo" ]; then
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "metainfo does not launch $id.desktop"
    binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
    [ -x "$prefix/bin/$binary" ] || fail "metainfo names binary '$binary', which is not installed"
else
    fail "no metainfo at ${metainfo#"$prefix"/}"
fi

# Qt matches the running window to its desktop entry by this id.
if [ -f "$prefix/bin/zoret" ]; then
    grep -qaF "$id" "$prefix/bin/zoret" || fail "bin/zoret does not set the desktop file name $id"
else
    fail "no bin/zoret"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the installed tree"
    exit 1
fi
echo "installed tree is consistent for $id"
