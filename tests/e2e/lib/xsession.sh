#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A private X server with a window manager and a fresh home folder for one
# end-to-end test; sourced by the tests. Cleans up after itself.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/ending.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wait.sh"
e2e_tmp=$(mktemp -d)
export HOME="$e2e_tmp/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_RUNTIME_DIR="$e2e_tmp/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# A desktop session runs in a UTF-8 locale; a bare system (a fresh chroot, CI)
# may have none, and xdotool then cannot type letters outside ASCII.
export LC_ALL=C.UTF-8

game_pid=
probe_pid=
wm_pid=
xvfb_pid=
# Anything else a test starts in the background, by process id.
e2e_pids=()

# Stops everything the test started, by its own ids, whichever way the test
# ends: passed, failed, or interrupted (an interrupt or termination exits,
# which runs this).
e2e_cleanup() {
    stop_pids "$game_pid" "${e2e_pids[@]}" "$probe_pid" "$wm_pid" "$xvfb_pid"
    rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# A private X server (screen size E2E_SCREEN, 1024x768 unless set) and
# openbox on it. Now and then, with several sessions
# starting side by side, openbox cannot open a display that has just
# answered; a new server then does: up to three tries.
start_x() {
    local fd display
    # -displayfd picks a free display number for us.
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp >"$e2e_tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    read -r -t 20 display <&"$fd" || return 1
    export DISPLAY=":$display"
    within 20 xdpyinfo >/dev/null || return 1
    openbox >"$e2e_tmp/openbox.log" 2>&1 &
    wm_pid=$!
    # Up and announcing itself, or ended (it cannot open the display).
    within 20 wm_settled || return 1
    kill -0 "$wm_pid" 2>/dev/null
}
wm_settled() {
    ! kill -0 "$wm_pid" || xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}
for try in 1 2 3; do
    start_x && break
    echo "X session try $try failed: $(cat "$e2e_tmp/xvfb.log" "$e2e_tmp/openbox.log" 2>/dev/null | tail -n 3)"
    kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
    wait "$wm_pid" "$xvfb_pid" 2>/dev/null || true
    wm_pid= xvfb_pid=
    [ "$try" -lt 3 ] || { echo "FAIL: no X server with a window manager after three tries"; exit 1; }
done

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

# Before any test starts, a probe window must come up framed by the window
# manager. Openbox announces itself (_NET_SUPPORTING_WM_CHECK) before it has
# finished starting, and a window mapped in those moments is now and then
# never managed: it stays unmapped for good. So the probe asks again to be
# mapped every two seconds until it shows. On a cold machine that can take
# long, so this one wait is generous (three minutes, inside CTest's five for
# a test); the waits in the tests stay short.
wm_ready() {
    local bound=${E2E_READY_SECONDS:-180} start id= w t0 again=0 next
    start=$(centiseconds) next=$((start + 200))
    t0=$(date +%s%N)
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        kill -0 "$wm_pid" 2>/dev/null || fail "the window manager (openbox) ended: $(cat "$e2e_tmp/openbox.log")"
        [ $(($(centiseconds) - start)) -lt $((bound * 100)) ] || fail "the window manager (openbox) did not start within $bound s"
        sleep 0.1
    done
    xmessage -name e2e-probe "probe" >/dev/null 2>&1 &
    probe_pid=$!
    # Viewable, and with the WM_STATE that the window manager gives the windows it manages.
    until [ -n "$id" ] && xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'window state: Normal'; do
        kill -0 "$probe_pid" 2>/dev/null || fail "the probe window (xmessage) could not start"
        [ $(($(centiseconds) - start)) -lt $((bound * 100)) ] ||
            fail "the window manager (openbox) did not show a probe window within $bound s"
        sleep 0.1
        id=$(xdotool search --onlyvisible --classname '^e2e-probe$' 2>/dev/null | head -n 1) || true
        if [ -z "$id" ] && [ "$(centiseconds)" -ge "$next" ]; then
            w=$(xdotool search --classname '^e2e-probe$' 2>/dev/null | head -n 1) || true
            [ -n "$w" ] && xdotool windowmap "$w" 2>/dev/null && again=$((again + 1))
            next=$(($(centiseconds) + 200))
        fi
    done
    kill "$probe_pid" 2>/dev/null || true
    wait "$probe_pid" 2>/dev/null || true
    probe_pid=
    echo "window manager ready in $((($(date +%s%N) - t0) / 1000000)) ms, the probe's map asked again $again times"
}

# The id of the first visible window whose title matches a pattern, now.
visible_window() {
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# The id of the visible window with exactly this title, waiting up to 20 s.
window_named() {
    within 20 visible_window "^$1\$"
}

# Waits up to 20 s for a window title matching a pattern.
title_matches() {
    within 20 visible_window "$1" >/dev/null
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

wm_ready
# A test on a private D-Bus session (E2E_PRIVATE_BUS) hands this session's
# folders and display to the services the bus starts: the accessibility bus
# puts its socket in the runtime folder, and tests side by side would
# otherwise share the caller's one.
if [ -n "${E2E_PRIVATE_BUS:-}" ]; then
    dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_DATA_HOME DISPLAY
fi
