# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The end of a game for the end-to-end tests, on X11 and on Wayland, and the
# stopping of what a test started; sourced by a session that sets game_pid,
# e2e_tmp (the game's output goes to $e2e_tmp/out.log) and fail, and has
# sourced wait.sh.

# Waits up to 20 s for the game to end (the sanitizer build checks for leaks
# as it ends), and checks its status and that it printed nothing.
expect_exit() {
    local status=0
    within 20 ended "$game_pid" || fail "the game did not end"
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
    [ -s "$e2e_tmp/out.log" ] && fail "the game printed: $(cat "$e2e_tmp/out.log")"
    return 0
}

# Stops the processes with these ids (empty ones skipped): asked to end, then
# after three seconds made to, so that nothing is left running and nothing
# waited for without end.
stop_pids() {
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    within 3 ended "$@" 2>/dev/null || true
    # Only these: waiting for every child would wait for the X server too.
    for pid in "$@"; do
        [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
        [ -n "$pid" ] && wait "$pid" 2>/dev/null || true
    done
}
