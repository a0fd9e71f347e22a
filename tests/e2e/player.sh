#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a player does in the program's windows, for the end-to-end tests;
# sourced after xsession.sh.

# The main menu's labels (their middles, in pixels).
click_new_game() { click_in "$1" 152 140; }
click_rules() { click_in "$1" 152 204; }
click_quit() { click_in "$1" 152 268; }

# Answers the box with exactly this title (a pattern) by keys.
answer() {
    local title=$1 box
    shift
    box=$(window_named "$title") || fail "no box \"$title\""
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key "$@" || fail "keys $* to \"$title\""
}

# Quits from the menu, answering Yes.
quit_from_menu() {
    click_quit "$1"
    answer "Quit Quillway\\?" Return
}

# True when a window's picture changes within 1.5 s: its animation runs.
animated() {
    local first="$e2e_tmp/still.png"
    import -window "$1" "$first" 2>/dev/null || return 1
    for _ in $(seq 6); do
        sleep 0.25
        [ "$(compare -metric AE "$first" <(import -window "$1" png:- 2>/dev/null) null: 2>&1)" != 0 ] && return 0
    done
    return 1
}
