#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end: the display the game reaches.
# - No display to reach, on X11 and on Wayland: one line on standard error
#   and a non-zero status (Qt alone would abort with no word).
# - Under GNOME's own compositor (mutter, headless, with XWayland, in a D-Bus
#   session of its own), with no platform chosen: the menu is an X11 window
#   with its whole title, centred on the screen, offering no maximise; with
#   QT_QPA_PLATFORM=wayland the game stays on Wayland.
# - The compositor killed under both games: one line each and status 1.
# About five seconds.
# Usage: display.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/wait.sh"
game=$1

e2e_tmp=$(mktemp -d)
export HOME="$e2e_tmp/home"
export XDG_DATA_HOME="$HOME/.local/share"
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM XDG_CURRENT_DESKTOP XDG_SESSION_TYPE
mkdir -p "$HOME"
session_pid= bus_pid= mutter_pid= xwayland_pid= game_pid= wayland_game_pid=

# mutter ignores SIGTERM when headless, and its XWayland leaves its sockets
# and locks behind (two displays: one for X clients, one of its own).
stop_all() {
    local pid lock n
    set +e # whatever has already ended, stop the rest
    for pid in $game_pid $wayland_game_pid $mutter_pid $xwayland_pid; do kill -9 "$pid" 2>/dev/null; done
    for pid in $bus_pid $session_pid; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    if [ -n "$mutter_pid" ]; then
        for lock in /tmp/.X*-lock; do
            [ "$(tr -d ' \n' <"$lock" 2>/dev/null)" = "$mutter_pid" ] || continue
            n=${lock#/tmp/.X}
            n=${n%-lock}
            rm -f "$lock" "/tmp/.X11-unix/X$n"
        done
    fi
    game_pid= wayland_game_pid= mutter_pid= xwayland_pid= bus_pid= session_pid=
}
trap 'stop_all; rm -rf "$e2e_tmp"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "FAIL: $*"
    echo "--- the game printed:"; head -c 2000 "$e2e_tmp/out.log" 2>/dev/null
    echo "--- mutter's log:"; tail -n 5 "$e2e_tmp/mutter.log" 2>/dev/null
    exit 1
}

# Runs the game where no display answers; it must say so in one line.
no_display() {
    local status=0
    timeout 20 env "$@" "$game" >"$e2e_tmp/out.log" 2>&1 || status=$?
    [ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "$*: status $status"
    [ "$(wc -l <"$e2e_tmp/out.log")" -eq 1 ] &&
        grep -q '^quillway: cannot connect to a display: .' "$e2e_tmp/out.log" ||
        fail "$*: not one line saying why"
}
mkdir -m 700 "$e2e_tmp/empty-run"
no_display XDG_RUNTIME_DIR="$e2e_tmp/empty-run" QT_QPA_PLATFORM=xcb DISPLAY=:65000
no_display XDG_RUNTIME_DIR="$e2e_tmp/empty-run" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere
echo "no display: said so"

# mutter makes /tmp/.X11-unix with the wrong mode when it is missing, and then
# refuses it; a booted system has it, writable by all.
if [ ! -d /tmp/.X11-unix ] || [ -O /tmp/.X11-unix ]; then
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
fi
export XDG_RUNTIME_DIR="$e2e_tmp/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
env -i PATH="$PATH" HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CURRENT_DESKTOP=GNOME \
    XDG_SESSION_TYPE=wayland dbus-run-session -- mutter --headless --wayland --virtual-monitor 1280x1024 \
    >"$e2e_tmp/mutter.log" 2>&1 &
session_pid=$!
# The process of parent $1 named $2, once it runs.
child_of() { pgrep -P "$1" -x "$2"; }
bus_pid=$(within 20 child_of "$session_pid" dbus-daemon) || fail "no D-Bus session for mutter"
mutter_pid=$(within 20 child_of "$session_pid" mutter) || fail "mutter did not start"
xwayland_pid=$(within 20 child_of "$mutter_pid" Xwayland) || fail "mutter started no XWayland"
within 20 test -S "$XDG_RUNTIME_DIR/wayland-0" || fail "mutter made no Wayland socket"
read -r -a xwayland_args <<<"$(ps -o args= -p "$xwayland_pid")"
[[ "${xwayland_args[1]:-}" =~ ^:[0-9]+$ ]] || fail "no display number in XWayland's command line: ${xwayland_args[*]}"
export DISPLAY=${xwayland_args[1]}
for ((i = 0; i < ${#xwayland_args[@]}; i++)); do
    [ "${xwayland_args[i]}" = -auth ] && export XAUTHORITY=${xwayland_args[i + 1]}
done
within 20 xdpyinfo >/dev/null || fail "XWayland on $DISPLAY does not answer"
export WAYLAND_DISPLAY=wayland-0 XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland

# The X window titled exactly so, now. awk reads to the end: leaving early
# would end xwininfo with SIGPIPE, and pipefail would count it.
x_window_now() {
    xwininfo -root -tree | awk -v t="\"$1\":" 'index($0, t) && !f { print $1; f = 1 } END { exit !f }'
}
# The X window titled exactly so, waiting up to 20 s.
x_window() { within 20 x_window_now "$1"; }

# Asked for Wayland: the menu's title goes to the compositor, and X never
# sees the game. It stays open beside the next one.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$game" >"$e2e_tmp/wayland.log" 2>&1 &
wayland_game_pid=$!
within 20 grep -qs 'set_title("Quillway - Main Menu")' "$e2e_tmp/wayland.log" ||
    fail "QT_QPA_PLATFORM=wayland: no menu on Wayland"
xwininfo -root -tree | grep '"Quillway' >/dev/null && fail "QT_QPA_PLATFORM=wayland: a window on X"
echo "QT_QPA_PLATFORM=wayland: on Wayland"

# No platform chosen: XWayland, where mutter draws the title bar.
"$game" >"$e2e_tmp/out.log" 2>&1 &
game_pid=$!
menu=$(x_window "Quillway - Main Menu") || fail "no menu on X"
xprop -id "$menu" _NET_WM_NAME | grep -x '_NET_WM_NAME(UTF8_STRING) = "Quillway - Main Menu"' >/dev/null ||
    fail "the menu's title"
# mutter says which actions it allows once it manages the window.
is_set() { xprop -id "$1" "$2" | grep -F ' = '; }
actions=$(within 20 is_set "$menu" _NET_WM_ALLOWED_ACTIONS) || fail "mutter never managed the menu: no allowed actions"
grep MAXIMIZE <<<"$actions" >/dev/null && fail "the menu can be maximised"
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
numbers "$width" "$height" || fail "no screen size from xdpyinfo"
within 20 frame_extents "$menu" >/dev/null || fail "mutter set no frame extents on the menu"
# The window's frame is placed where its content, centred, would start.
centred() {
    local x y w h left top dx dy
    read -r x y w h < <(window_geometry "$menu") && read -r left _ top _ < <(frame_extents "$menu") || return 1
    dx=$((x - left - (width - w) / 2)) dy=$((y - top - (height - h) / 2))
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]
}
within 10 centred ||
    fail "the menu is not centred: $(window_geometry "$menu") (x y width height), frame $(frame_extents "$menu") (left right top bottom), on ${width}x$height"
echo "no platform chosen: on XWayland, whole title, centred"

# The compositor gone, XWayland with it: each game says so in one line (the
# Wayland one's protocol trace aside) and ends with status 1.
lost() {
    local status=0
    within 20 ended "$1" || fail "$3: the game outlived its display"
    wait "$1" || status=$?
    [ "$status" -eq 1 ] || fail "$3: display lost, status $status"
    grep -v '^\[' "$2" >"$e2e_tmp/said.log" || true
    [ "$(wc -l <"$e2e_tmp/said.log")" -eq 1 ] && grep -q '^quillway: lost the display: ' "$e2e_tmp/said.log" ||
        fail "$3: display lost, not one line saying so: $(head -c 500 "$e2e_tmp/said.log")"
}
kill -9 "$mutter_pid"
lost "$game_pid" "$e2e_tmp/out.log" XWayland
game_pid=
lost "$wayland_game_pid" "$e2e_tmp/wayland.log" Wayland
wayland_game_pid=
echo "display lost: said so, on XWayland and on Wayland"
echo "PASS"
