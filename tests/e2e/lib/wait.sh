# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Waiting in the end-to-end tests: for a condition, with a deadline. A busy
# machine makes every step of a test slower, so a test never sleeps for a
# fixed time in place of the condition it needs; it waits for that
# condition, and a deadline passed is a failure naming what did not happen.
# A value read from another program (xprop, xwininfo, swaymsg) may not be
# set yet: it is checked for presence before any arithmetic. Sourced by
# every session (xsession.sh, wayland.sh, display.sh).

# within SECONDS COMMAND [ARG...]: runs the command every tenth of a second
# until it succeeds, and passes on what it printed on that try. Status 1 when
# it has not succeeded within SECONDS (whole seconds), the command then named
# on standard error beside the test's own message. The command runs in a
# subshell: a condition, not a step that sets variables.
within() {
    local seconds=$1 end out
    shift
    end=$(($(centiseconds) + seconds * 100))
    while :; do
        if out=$("$@" 2>/dev/null); then
            [ -z "$out" ] || printf '%s\n' "$out"
            return 0
        fi
        [ "$(centiseconds)" -lt "$end" ] || break
        sleep 0.1
    done
    echo "(waited $seconds s in vain for: $*)" >&2
    return 1
}

# Hundredths of a second since the machine started: a clock that no setting
# of the time of day moves (a virtual machine's may be set forward at any
# moment, which cut a deadline short).
centiseconds() {
    local up
    read -r up _ </proc/uptime
    echo $((10#${up/./}))
}

# True when none of these processes (empty ids skipped) runs any more.
ended() {
    local pid
    for pid in "$@"; do
        [ -z "$pid" ] || ! kill -0 "$pid" 2>/dev/null || return 1
    done
}

# True when each argument is a whole number (a sign allowed): a value read
# from another program (xprop, xwininfo, swaymsg) is checked with this before
# any arithmetic, so that a value not yet set fails the test by name.
numbers() {
    local n
    for n in "$@"; do
        [[ "$n" =~ ^-?[0-9]+$ ]] || return 1
    done
}

# "x y width height" of a window's content on the screen, from xwininfo;
# nothing, and status 1, while any of them is missing.
window_geometry() {
    local geometry
    geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }')
    # Word splitting is meant: four numbers.
    # shellcheck disable=SC2086
    numbers $geometry && [ "$(wc -w <<<"$geometry")" -eq 4 ] && echo "$geometry"
}

# "left right top bottom" of a window's frame, once the window manager has set
# _NET_FRAME_EXTENTS; nothing, and status 1, before.
frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ' | tr , ' ')
    # shellcheck disable=SC2086
    numbers $extents && [ "$(wc -w <<<"$extents")" -eq 4 ] && echo "$extents"
}
