#!/usr/bin/env bash
# Builds a release tree, makes the Debian package with cpack, installs it
# with apt as a user would, checks the installed desktop files and starts the
# installed /usr/bin/zoret offscreen: it must still be running after two
# seconds. The package is removed again afterwards unless ZORET_KEEP_PACKAGE=1.
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

# --reinstall: a package of the same version left by an earlier run must be
# replaced by this build.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --reinstall "./$deb" >/dev/null

cleanup() {
    if [ "${ZORET_KEEP_PACKAGE:-0}" != 1 ]; then
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq zoret >/dev/null || true
    fi
}
trap cleanup EXIT

failures=0
for file in /usr/bin/zoret /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
            /usr/share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/$app_id.png \
            /usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    dpkg -S "$file" >/dev/null 2>&1 || { echo "FAIL: $file is not installed by the package"; failures=$((failures + 1)); }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/$app_id.desktop || failures=$((failures + 1))
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
