#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A private X server with a window manager and a fresh home folder for one
# end-to-end test; sourced by the tests. Cleans up after itself.
set -euo pipefail

e2e_tmp=$(mktemp -d)
export HOME="$e2e_tmp/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_RUNTIME_DIR="$e2e_tmp/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# -displayfd picks a free display number for us.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >"$e2e_tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&"$fd" || { echo "Xvfb did not start"; cat "$e2e_tmp/xvfb.log"; exit 1; }
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
wm_pid=$!
# Windows mapped while the window manager is still starting can be lost.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
game_pid=

e2e_cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; then
        wait "$game_pid" && echo "(the game had ended)" || echo "(the game had ended with status $?)"
        cat "$e2e_tmp/out.log"
    fi
    xwininfo -root -tree | grep -i quillway
    [ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/failure.png" 2>/dev/null
    exit 1
}

# The id of the visible window with exactly this title, waiting up to 10 s.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to 10 s for a window title matching a pattern.
title_matches() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Clicks a point of a window's client area (logical pixels).
click_in() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

start_game() {
    "$@" >"$e2e_tmp/out.log" 2>&1 &
    game_pid=$!
}

# Waits for the game to end and checks its status and that it printed nothing.
expect_exit() {
    local status=0
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
    [ -s "$e2e_tmp/out.log" ] && fail "the game printed: $(cat "$e2e_tmp/out.log")"
    return 0
}
