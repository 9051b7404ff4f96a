#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Zoret, builds it, then either starts
# the program (run) or runs every test headless (test). A second run installs
# nothing and rebuilds only what changed.
set -euo pipefail

mode="${1:-run}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZORET_BUILD_DIR:-$root/build}"

packages=(cmake g++ ninja-build pkgconf qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev googletest libbenchmark-dev
          fonts-dejavu-core fonts-liberation)

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
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

case "$mode" in
run)
    install_missing
    configure_and_build
    exec "$build/app/zoret"
    ;;
test)
    install_missing
    configure_and_build
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
