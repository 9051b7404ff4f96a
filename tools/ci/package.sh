#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds a release tree, makes the Debian package with cpack and has lintian
# check it (no error, no warning), installs it with apt as a user would,
# validates the installed desktop entry and metainfo, asks the installed
# /usr/bin/zoret for its version without any display, and starts it
# offscreen: it must still be running after two seconds. The package is
# removed again afterwards unless ZORET_KEEP_PACKAGE=1.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ZORET_PACKAGE_BUILD_DIR:-$root/build-rel}"
jobs="${ZORET_JOBS:-2}"
app_id=org.example.Zoret

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

echo "== package: release build in $build"
cmake -S "$root" --preset release -B "$build" >/dev/null
cmake --build "$build" -j "$jobs"

cd "$build"
rm -f zoret_*.deb
cpack -G DEB >/dev/null
debs=(zoret_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single zoret_*.deb" >&2; exit 1; }
deb=${debs[0]}
echo "== package: $deb"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
version=$(dpkg-deb -f "$deb" Version)

failures=0
# Debian's own checker. It prefers not to run as root but works; that
# notice is dropped, every tag it reports is shown.
lintian_status=0
lintian_output=$(lintian --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v '^running with root privileges' <<<"$lintian_output" || true
if [ "$lintian_status" -ne 0 ]; then
    echo "FAIL: lintian reports errors or warnings on $deb (status $lintian_status)"
    failures=$((failures + 1))
else
    echo "== package: lintian: no errors, no warnings"
fi

# --reinstall: a package of the same version left by an earlier run must be
# replaced by this build.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --reinstall "./$deb" >/dev/null

cleanup() {
    if [ "${ZORET_KEEP_PACKAGE:-0}" != 1 ]; then
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq zoret >/dev/null || true
    fi
}
trap cleanup EXIT

for file in /usr/bin/zoret /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
            /usr/share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/$app_id.png \
            /usr/share/icons/hicolor/scalable/apps/$app_id.svg \
            /usr/share/man/man1/zoret.1.gz /usr/share/doc/zoret/{copyright,changelog.gz}; do
    dpkg -S "$file" >/dev/null 2>&1 || { echo "FAIL: $file is not installed by the package"; failures=$((failures + 1)); }
done
desktop-file-validate /usr/share/applications/$app_id.desktop || failures=$((failures + 1))
appstreamcli validate --pedantic --no-net /usr/share/metainfo/$app_id.metainfo.xml || failures=$((failures + 1))

# Answered before Qt looks for a display, so it works on a bare console.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/zoret --version 2>&1) || true
if [ "$answer" = "zoret $version" ]; then
    echo "== package: /usr/bin/zoret --version without a display: $answer"
else
    echo "FAIL: /usr/bin/zoret --version without a display printed '$answer', expected 'zoret $version'"
    failures=$((failures + 1))
fi

# The program shows its window and waits for the user: a healthy start is
# one that timeout has to end.
log=$(mktemp)
status=0
QT_QPA_PLATFORM=offscreen timeout 2 /usr/bin/zoret >"$log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "FAIL: /usr/bin/zoret ended on its own with status $status within 2 s:"
    cat "$log"
    failures=$((failures + 1))
else
    echo "== package: /usr/bin/zoret stayed up for 2 s offscreen"
fi
rm -f "$log"

[ "$failures" -eq 0 ] || { echo "package: $failures failure(s)"; exit 1; }
echo "package: OK ($deb)"
