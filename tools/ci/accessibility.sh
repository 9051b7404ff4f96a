#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts zoret under Xvfb in a D-Bus session with the AT-SPI registry, as a
# screen reader would meet it, and walks every window's accessible tree
# (accessibility_check.py). ZORET_BINARY names the program (default: the dev
# build).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
binary="${ZORET_BINARY:-$root/build/app/zoret}"
[ -x "$binary" ] || { echo "accessibility: $binary is not built" >&2; exit 1; }

session() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    local bus=$!
    sleep 1
    # The journal opens in a data folder of its own, never the user's.
    local data
    data=$(mktemp -d)
    XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$binary" &
    local program=$!
    local status=0
    /usr/bin/python3 "$root/tools/ci/accessibility_check.py" || status=$?
    kill "$program" "$bus" 2>/dev/null || true
    wait 2>/dev/null || true
    return "$status"
}
if [ "${1:-}" = --inside-session ]; then
    session
    exit
fi
timeout 120 xvfb-run -a dbus-run-session -- bash "$0" --inside-session 2>&1 | grep -v -e 'dbus-daemon' -e 'XDG_RUNTIME_DIR' -e 'SpiRegistry'
exit "${PIPESTATUS[0]}"
