#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a Debian or Ubuntu machine for Zoret, builds it, then either starts
# the program (run) or runs every test headless (test). A second run installs
# nothing and rebuilds only what changed.
set -euo pipefail

mode="${1:-run}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZORET_BUILD_DIR:-$root/build}"

# What building and running need.
packages=(cmake g++ ninja-build pkgconf qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev libgl-dev libgmp-dev
          fonts-dejavu-core fonts-liberation
          # Qt's own texts in Russian
          qt6-translations-l10n
          # the journal's profit curve (Qt Charts needs the OpenGL headers)
          qt6-charts-dev libqt6opengl6-dev)
# What the tests need besides: the test libraries and the benchmarks, the
# formatter the sources follow, the packaging tests, the fuzz targets, the
# Debian package and its checker, the start-up figures, and a screen reader's
# view under Xvfb for the accessibility check.
test_packages=(libgtest-dev googletest libbenchmark-dev clang-format-14
               appstream desktop-file-utils file clang libclang-rt-14-dev dpkg-dev lintian time
               xvfb xauth dbus dbus-x11 at-spi2-core python3-pyatspi)

install_missing() {
    local missing=()
    for package in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    cmake -S "$root" --preset dev -B "$build" "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

case "$mode" in
run)
    install_missing
    configure_and_build -DZORET_BUILD_TESTS=OFF
    exec "$build/app/zoret"
    ;;
test)
    install_missing "${test_packages[@]}"
    configure_and_build -DZORET_BUILD_TESTS=ON
    cd "$build"
    summary_file=$(mktemp)
    status=0
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" | tee "$summary_file" || status=$?
    ctest_summary=$(grep -E '^[0-9]+% tests passed' "$summary_file" | tail -n 1 || true)
    rm -f "$summary_file"
    # The full check (CI, or ZORET_FULL_CHECK=1): the Debian package, the fuzz
    # targets, then the whole suite under the sanitizers, each building its
    # own tree one after the other (about 15 minutes on two cores), and last
    # the program as a screen reader meets it. Every
    # stage runs even when an earlier one failed, so one run shows them all.
    if [ "${CI:-}" = true ] || [ "${ZORET_FULL_CHECK:-0}" = 1 ]; then
        results=()
        export ZORET_BINARY="$build/app/zoret" # the program the accessibility stage starts
        for stage in package bench fuzz sanitizers accessibility; do
            echo "==== stage: $stage"
            started=$SECONDS
            if bash "$root/tools/ci/$stage.sh"; then
                results+=("$stage: passed in $((SECONDS - started)) s")
            else
                results+=("$stage: FAILED after $((SECONDS - started)) s")
                status=1
            fi
        done
        echo "==== full check"
        printf '  %s\n' "${results[@]}"
    fi
    # ctest's own closing line, last, whatever the stages printed.
    [ -n "$ctest_summary" ] && echo "$ctest_summary"
    exit "$status"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
