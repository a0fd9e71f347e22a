#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sets Quillway up on a Debian 12 machine and then plays it or tests it:
#   tools/setup.sh play   installs what is missing, builds, starts the game
#   tools/setup.sh test   installs what is missing, builds with sanitizers and
#                         runs every test there, the fuzzers too, and beside
#                         them builds again with g++ and runs the unit suites
#                         and the package's tests there
#   tools/setup.sh quick  rebuilds and runs only the unit suites: no end-to-end
#                         tests, no sanitizer build; the loop while working
#   tools/setup.sh format formats every C++ file with clang-format (the
#                         test command fails on a file left unformatted)
# Safe to run again: it installs and rebuilds only what has changed.
set -euo pipefail

what=${1:-play}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
asan="$top/build-asan"
jobs=$(nproc)

# Gives a process and those it started their normal priority back; only
# root may raise one, so for anyone else this does nothing.
unnice() {
    local child
    renice -n 0 -p "$1" >/dev/null 2>&1 || return 0
    for child in $(pgrep -P "$1"); do unnice "$child"; done
}

# Says which stage the command has reached and how long it has run.
stage() {
    printf '\n=== %d:%02d  %s\n' $((SECONDS / 60)) $((SECONDS % 60)) "$*"
}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libsdl2-dev
    fonts-liberation2
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-microhei
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick openbox
    desktop-file-utils appstream
    qt6-wayland
    sway wtype grim python3 strace
    mutter xwayland
    dpkg-dev file fakeroot lintian
    clang libclang-rt-14-dev libxcb1-dev clang-format
    at-spi2-core python3-pyatspi dbus dbus-x11 x11-xkb-utils
    orca speech-dispatcher
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    stage "Installing ${#missing[@]} packages: ${missing[*]}"
    as_root apt-get update -qq -o DPkg::Lock::Timeout=600
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}" >/dev/null
fi

configure() {
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
}
# -O1 with line tables only: quicker to build, and still a readable stack for
# every finding.
configure_asan() {
    if [ ! -f "$asan/build.ninja" ]; then
        cmake -S "$top" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
            -DCMAKE_CXX_COMPILER=clang++ -DQUILLWAY_SANITIZE=ON >/dev/null
    fi
}
# The C++ files of the project: those git tracks, or every one outside the
# build folders in a copy that is not a checkout.
cxx_files() {
    cd "$top"
    git ls-files '*.cpp' '*.h' 2>/dev/null \
        || find . \( -path ./build -o -path ./build-asan \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print
}
# One clang-format for every file; each file that would change is named.
check_format() {
    local unformatted
    unformatted=$(cd "$top" && cxx_files | xargs clang-format --style=file --dry-run 2>&1 \
        | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
    if [ -n "$unformatted" ]; then
        echo "Not formatted as .clang-format says:" $unformatted >&2
        echo "Run tools/setup.sh format to format them." >&2
        return 1
    fi
}
case "$what" in
format)
    cxx_files | (cd "$top" && xargs clang-format --style=file -i)
    ;;
play)
    configure
    # Only what the game needs: no tests, benchmarks or picture generator.
    cmake --build "$build" -j "$jobs" --target quillway
    # The game keeps its high scores here and never creates the folder itself;
    # make it as an installer would, for the player who runs this.
    mkdir -p "${XDG_DATA_HOME:-$HOME/.local/share}/quillway/data"
    exec "$build/quillway"
    ;;
quick)
    configure
    cmake --build "$build" -j "$jobs" --target unit_tests
    cd "$build"
    exec ctest -L unit --output-on-failure -j "$jobs"
    ;;
test)
    trap 'status=$?; [ "$status" -eq 0 ] || stage "Stopped: failed with status $status"' EXIT
    stage "Checking the format of every C++ file"
    check_format
    # The sanitizer build comes first: its suite holds every end-to-end test
    # (the sanitizers also find memory faults on the real windows' paths),
    # which spend most of their time waiting on the game's real clock, so the
    # second build runs beside that suite, at a lower priority that leaves the
    # tests' timing alone. The suite's report follows the second build's
    # tests.
    stage "Building 1 of 2: everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/"
    configure_asan
    cmake --build "$asan" -j "$jobs"
    # One test more than there are cores: the game-over and Wayland tests
    # spend their half minutes waiting on the game's clock.
    stage "Testing 1 of 2 in build-asan/: end to end, the unit suites and the fuzzers; building 2 of 2 beside it: everything again with g++, in build/"
    report="$asan/suite.log"
    (cd "$asan" && ctest -LE package --output-on-failure -j "$((jobs + 1))") >"$report" 2>&1 &
    suite=$!
    # Once the suite has ended no test's timing is left to protect, and the
    # build gets its normal priority back, so that other work on a busy
    # machine does not starve it (only root may raise a priority: anyone
    # else's build stays at the lower one).
    # What the tests of this build need comes first; the benchmarks, which
    # no test runs, are built beside those tests.
    built=0
    configure
    nice -n 10 cmake --build "$build" -j "$jobs" --target quillway unit_tests quillway_drawassets \
        quillway_scoretable quillway_rendercues &
    second=$!
    { tail --pid="$suite" -f /dev/null; unnice "$second"; } &
    wait "$second" || built=$?
    # The build that is shipped: its unit suites, and its package and
    # installed game.
    tested=0
    if [ "$built" -eq 0 ]; then
        stage "Testing 2 of 2 in build/: the unit suites, the checks of the pictures and desktop files, the package and the game installed; the benchmarks built beside them"
        cmake --build "$build" -j "$jobs" >"$build/rest.log" 2>&1 &
        rest=$!
        (cd "$build" && ctest -L 'unit|check|package' --output-on-failure -j "$jobs") || tested=$?
        wait "$rest" || { cat "$build/rest.log"; built=1; }
    fi
    stage "Testing 1 of 2: the report of the suite in build-asan/"
    first=0
    wait "$suite" || first=$?
    cat "$report"
    [ "$built" -eq 0 ] || { echo "Building 2 of 2 failed: its output is above this report." >&2; exit "$built"; }
    [ "$tested" -eq 0 ] || { echo "Testing 2 of 2 failed: its report is above this one." >&2; exit "$tested"; }
    exit "$first"
    ;;
*)
    echo "usage: $0 play|test|quick|format" >&2
    exit 2
    ;;
esac
