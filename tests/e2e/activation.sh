#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, under a real window manager: every switch to the game window
# from another window of the program starts a new game, but coming back from
# another application does not. Usage: activation.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
game=$1

score_of() { # the score in the game window's title
    xdotool getwindowname "$1" | sed -n 's/^Quillway - Game - Score: \(-\{0,1\}[0-9]*\) .*/\1/p'
}

# Waits until the score has fallen to at most $2.
score_falls_to() {
    for _ in $(seq 150); do
        local s
        s=$(score_of "$1")
        [ -n "$s" ] && [ "$s" -le "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_in "$menu" 152 140 # New Game
title_matches "^Quillway - Game - Score: " || fail "no game running"
game_window=$(xdotool search --onlyvisible --name "^Quillway - Game" | head -n 1)

# Another application in between: the same game goes on.
score_falls_to "$game_window" -8 || fail "the countdown does not run"
xmessage -name other "another application" 2>/dev/null &
other_pid=$!
e2e_pids+=("$other_pid")
other=$(window_named "other") || fail "no other application"
xdotool windowactivate --sync "$other" 2>/dev/null || true
sleep 0.3
xdotool windowactivate --sync "$game_window" 2>/dev/null || true
sleep 0.5
s=$(score_of "$game_window")
[ "$s" -le -8 ] || fail "coming back from another application started a new game (score $s)"
kill "$other_pid"
e2e_pids=()

# The menu in between: a new game.
score_falls_to "$game_window" -12 || fail "the countdown stopped"
xdotool windowactivate --sync "$menu" 2>/dev/null || true
sleep 0.3
xdotool windowactivate --sync "$game_window" 2>/dev/null || true
sleep 0.5
s=$(score_of "$game_window")
[ "$s" -gt -8 ] || fail "switching from the menu did not start a new game (score $s)"

kill "$game_pid"
game_pid=
echo "PASS"
