#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# On Wayland, under Weston's headless compositor with Qt's Wayland platform:
# the game opens its main menu (title, fixed size, the desktop file's app id,
# a drawn picture), prints nothing, stays up, and ends at SIGTERM as a
# signalled process does, without harming the compositor.
# Usage: wayland.sh path/to/quillway
set -euo pipefail
game=$1

tmp=$(mktemp -d)
export HOME="$tmp/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_RUNTIME_DIR="$tmp/run"
export WAYLAND_DISPLAY=quillway-e2e # a socket in our own runtime folder
export QT_QPA_PLATFORM=wayland
unset DISPLAY
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
weston_pid= game_pid=

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- the game printed:"; cat "$tmp/out.log" 2>/dev/null
    echo "--- weston's log:"; grep -v '\[proto\]' "$tmp/weston.log" | tail -n 20
    exit 1
}

# The protocol scope logs every request the game makes of the compositor.
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --use-pixman \
    --width=1024 --height=768 --idle-time=0 --debug \
    --log="$tmp/weston.log" --logger-scopes=log,proto >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start"

"$game" >"$tmp/out.log" 2>&1 &
game_pid=$!

# The menu's window: its title, then (same toplevel) a fixed size and the app id.
toplevel=
for _ in $(seq 100); do
    toplevel=$(sed -n 's/.* rq \(xdg_toplevel@[0-9]*\)\.set_title("Quillway - Main Menu")$/\1/p' "$tmp/weston.log" | head -n 1)
    [ -n "$toplevel" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start"
    sleep 0.1
done
[ -n "$toplevel" ] || fail "no main menu"
client=$(grep -m 1 -o "client 0x[0-9a-f]* rq $toplevel\.set_title" "$tmp/weston.log" | cut -d' ' -f2)
request() { # the game's last request matching a pattern
    grep "client $client rq $1" "$tmp/weston.log" | tail -n 1 || true
}
min=$(request "$toplevel\.set_min_size(" | sed 's/.*(\(.*\))$/\1/')
max=$(request "$toplevel\.set_max_size(" | sed 's/.*(\(.*\))$/\1/')
[ -n "$min" ] && [ "$min" = "$max" ] || fail "the menu's size is not fixed (min $min, max $max)"
[ "$min" = "308, 302" ] || fail "the menu is $min, not 308, 302"
[ -n "$(request "$toplevel\.set_app_id(\"org.quillway.Quillway\")")" ] || fail "the app id is not the desktop file's"

# Up for a few seconds, with a picture on screen and nothing printed.
sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "the game did not stay up"
[ -n "$(request 'wl_surface@[0-9]*\.attach(wl_buffer@')" ] || fail "the game drew nothing"
if [ -n "${E2E_SHOTS:-}" ]; then
    (cd "$E2E_SHOTS" && weston-screenshooter && mv wayland-screenshot-*.png wayland-menu.png) || true
fi
[ -s "$tmp/out.log" ] && fail "the game printed something"

# SIGTERM: the game ends within a second, by that signal (no crash, no
# abort, no exit of its own), silently; the compositor runs on.
kill -TERM "$game_pid"
for _ in $(seq 10); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end at SIGTERM"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq $((128 + 15)) ] || fail "ended with status $status, not by SIGTERM"
[ -s "$tmp/out.log" ] && fail "the game printed something"
kill -0 "$weston_pid" 2>/dev/null || fail "the compositor ended too"
echo "PASS"
