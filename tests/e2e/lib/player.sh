#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a player does in the program's windows, for the end-to-end tests;
# sourced after xsession.sh.

# The main menu's labels (their middles, in logical pixels; times
# QT_SCALE_FACTOR on the screen).
menu_click() { local s=${QT_SCALE_FACTOR:-1}; click_in "$1" $(($2 * s)) $(($3 * s)); }
click_new_game() { menu_click "$1" 152 140; }
click_rules() { menu_click "$1" 152 204; }
click_quit() { menu_click "$1" 152 268; }

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

# True when a window's picture differs from the picture in file $2.
differs_from() {
    [ "$(compare -metric AE "$2" <(import -window "$1" png:- 2>/dev/null) null: 2>&1)" != 0 ]
}

# True when a window's picture changes within 5 s: its animation runs.
animated() {
    local first="$e2e_tmp/still.png"
    import -window "$1" "$first" 2>/dev/null || return 1
    within 5 differs_from "$1" "$first"
}

# Clicks the close box of a window's frame, the rightmost button of its title
# bar, as openbox draws it.
click_close_box() {
    local x y width right top
    read -r x y width _ < <(within 10 window_geometry "$1") || fail "no geometry of window $1"
    read -r _ right top _ < <(within 10 frame_extents "$1") || fail "window $1 has no frame"
    xdotool mousemove "$((x + width + right - 12))" "$((y - top / 2))" click 1
}

# Waits up to 20 s for a window to be hidden or gone.
window_gone() {
    within 20 not_visible "^$1\$"
}
not_visible() {
    ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

# True when the window is the one the window manager has made active.
is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

# Waits up to 10 s for the window to be made active.
becomes_active() {
    within 10 is_active "$1"
}

# The score in the game window's title; status 1 when it shows none.
score_of() {
    local score
    score=$(xdotool getwindowname "$1" | sed -n 's/^Quillway - Game - Score: \(-\{0,1\}[0-9]*\) .*/\1/p')
    numbers "$score" && echo "$score"
}

# True when the game window's score is at most $2.
score_at_most() {
    local score
    score=$(score_of "$1") && [ "$score" -le "$2" ]
}

# Waits up to $2 seconds for a window title matching a pattern.
title_within() {
    within "$2" visible_window "$1" >/dev/null
}

# Writes a high-score table into the player's data folder with the tool
# quillway_scoretable ($1): 900 Ada, 500 Björn, an empty slot, -500 Dee,
# -1000 Émile.
seed_scores() {
    mkdir -p "$XDG_DATA_HOME/quillway/data"
    printf '900\tAda\n500\tBjörn\n\t\n-500\tDee\n-1000\tÉmile\n' | "$1" write "$XDG_DATA_HOME/quillway/data"
}

# Gives letters the keyboard lacks keys of their own (keysym names, small
# letter first: "ediaeresis Ediaeresis"), before the game starts. Otherwise
# xdotool types each through a key it remaps on the fly, and a game busy
# drawing may read the key before the new mapping: the letter is lost.
map_letters() {
    local keysyms code
    for keysyms in "$@"; do
        # awk reads to the end: leaving early would kill xmodmap with SIGPIPE,
        # and pipefail would end the test without a word.
        code=$(xmodmap -pke | awk 'NF == 3 && $2 > 8 && !code { code = $2 } END { print code }')
        [ -n "$code" ] || fail "no free key for $keysyms"
        xmodmap -e "keycode $code = $keysyms" || fail "cannot map $keysyms"
    done
}

# One step up into the red cars for each of the lives given (e.g. 3 2 1), in
# the game window $game_window, until the last ends the game with a high score.
lose_to_traffic() {
    local lives
    for lives in "$@"; do
        title_within " - Lives: $lives - " 30 || fail "no life $lives"
        xdotool windowactivate --sync "$game_window" 2>/dev/null || true
        xdotool key Up
        [ "$lives" -gt 1 ] && { title_within " - Lives: $((lives - 1)) - " 30 || fail "life $lives was not lost"; }
    done
    title_within "^You have acheived a high score\$" 30 || fail "no name box after the last life"
}
