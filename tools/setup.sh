#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sets Quillway up on a Debian 12 machine and then plays it or tests it:
#   tools/setup.sh play   installs what is missing, builds, starts the game
#   tools/setup.sh test   installs what is missing, builds, runs every test,
#                         then again built with sanitizers, with the fuzzers
# Safe to run again: it installs and rebuilds only what has changed.
set -euo pipefail

what=${1:-play}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation2
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick openbox
    desktop-file-utils appstream
    qt6-wayland
    sway wtype grim python3
    dpkg-dev file fakeroot lintian
    clang libclang-rt-14-dev libxcb1-dev
    at-spi2-core python3-pyatspi dbus dbus-x11 x11-xkb-utils
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq -o DPkg::Lock::Timeout=600
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
case "$what" in
play)
    # Only what the game needs: no tests, benchmarks or picture generator.
    cmake --build "$build" -j "$(nproc)" --target quillway
    # The game keeps its high scores here and never creates the folder itself;
    # make it as an installer would, for the player who runs this.
    mkdir -p "${XDG_DATA_HOME:-$HOME/.local/share}/quillway/data"
    exec "$build/quillway"
    ;;
test)
    cmake --build "$build" -j "$(nproc)"
    (cd "$build" && ctest --output-on-failure -j "$(nproc)")
    # Then everything again built with AddressSanitizer and UndefinedBehavior-
    # Sanitizer, and the fuzzers run for a bounded time each.
    asan="$top/build-asan"
    if [ ! -f "$asan/build.ninja" ]; then
        # -O1 with line tables only: quicker to build, and still a readable
        # stack for every finding.
        cmake -S "$top" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
            -DCMAKE_CXX_COMPILER=clang++ -DQUILLWAY_SANITIZE=ON >/dev/null
    fi
    cmake --build "$asan" -j "$(nproc)"
    cd "$asan"
    exec ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
