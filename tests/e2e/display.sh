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
for _ in $(seq 100); do
    [ -z "$bus_pid" ] && bus_pid=$(pgrep -P "$session_pid" -x dbus-daemon || true)
    [ -z "$mutter_pid" ] && mutter_pid=$(pgrep -P "$session_pid" -x mutter || true)
    [ -n "$mutter_pid" ] && xwayland_pid=$(pgrep -P "$mutter_pid" -x Xwayland || true)
    [ -n "$xwayland_pid" ] && [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && break
    kill -0 "$session_pid" 2>/dev/null || fail "mutter ended"
    sleep 0.1
done
[ -n "$xwayland_pid" ] || fail "mutter started no XWayland"
read -r -a xwayland_args <<<"$(ps -o args= -p "$xwayland_pid")"
export DISPLAY=${xwayland_args[1]}
for ((i = 0; i < ${#xwayland_args[@]}; i++)); do
    [ "${xwayland_args[i]}" = -auth ] && export XAUTHORITY=${xwayland_args[i + 1]}
done
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "XWayland on $DISPLAY does not answer"
export WAYLAND_DISPLAY=wayland-0 XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland

# The X window titled exactly so, or nothing, after up to 10 s.
x_window() {
    for _ in $(seq 100); do
        xwininfo -root -tree | awk -v t="\"$1\":" 'index($0, t) { print $1; f = 1; exit } END { exit !f }' &&
            return 0
        sleep 0.1
    done
    return 1
}

# Asked for Wayland: the menu's title goes to the compositor, and X never
# sees the game. It stays open beside the next one.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$game" >"$e2e_tmp/wayland.log" 2>&1 &
wayland_game_pid=$!
for _ in $(seq 100); do
    grep -qs 'set_title("Quillway - Main Menu")' "$e2e_tmp/wayland.log" && break
    sleep 0.1
done
grep -q 'set_title("Quillway - Main Menu")' "$e2e_tmp/wayland.log" || fail "QT_QPA_PLATFORM=wayland: no menu on Wayland"
xwininfo -root -tree | grep -q '"Quillway' && fail "QT_QPA_PLATFORM=wayland: a window on X"
echo "QT_QPA_PLATFORM=wayland: on Wayland"

# No platform chosen: XWayland, where mutter draws the title bar.
"$game" >"$e2e_tmp/out.log" 2>&1 &
game_pid=$!
menu=$(x_window "Quillway - Main Menu") || fail "no menu on X"
xprop -id "$menu" _NET_WM_NAME | grep -qx '_NET_WM_NAME(UTF8_STRING) = "Quillway - Main Menu"' || fail "the menu's title"
xprop -id "$menu" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "the menu can be maximised"
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
read -r x y w h < <(xwininfo -id "$menu" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }')
read -r left _ top _ < <(xprop -id "$menu" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
# The window's frame is placed where its content, centred, would start.
dx=$((x - left - (width - w) / 2)) dy=$((y - top - (height - h) / 2))
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] ||
    fail "the menu is not centred: ${w}x$h at $x,$y, frame $left,$top, on ${width}x$height"
echo "no platform chosen: on XWayland, whole title, centred"

# The compositor gone, XWayland with it: each game says so in one line (the
# Wayland one's protocol trace aside) and ends with status 1.
lost() {
    local status=0
    timeout 10 tail --pid="$1" -f /dev/null || fail "$3: the game outlived its display"
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
