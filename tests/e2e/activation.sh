#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, under a real window manager: every switch to the game window
# from another window of the program starts a new game, but coming back from
# another application does not. Usage: activation.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1

# After the activation of the game window: true once the game has shown a
# new game (a score above -8) or ticked twice since its score was $2, so
# that it has handled what the window system told it before.
settled_after() {
    local score
    score=$(score_of "$1") && { [ "$score" -gt -8 ] || [ "$score" -le $(($2 - 2)) ]; }
}

# Makes the window active and waits until the window manager says it is.
activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    becomes_active "$1" || fail "window $1 was not made active"
}

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_in "$menu" 152 140 # New Game
game_window=$(within 20 visible_window "^Quillway - Game - Score: ") || fail "no game running"

# Another application in between: the same game goes on.
within 15 score_at_most "$game_window" -8 || fail "the countdown does not run"
xmessage -name other "another application" 2>/dev/null &
other_pid=$!
e2e_pids+=("$other_pid")
other=$(window_named "other") || fail "no other application"
activate "$other"
activate "$game_window"
s=$(score_of "$game_window") || fail "no score in the game window's title"
within 10 settled_after "$game_window" "$s" || fail "the countdown stopped"
s=$(score_of "$game_window") || fail "no score in the game window's title"
[ "$s" -le -8 ] || fail "coming back from another application started a new game (score $s)"
kill "$other_pid"
e2e_pids=()

# The menu in between: a new game.
within 15 score_at_most "$game_window" -12 || fail "the countdown stopped"
activate "$menu"
activate "$game_window"
new_game() { local score; score=$(score_of "$1") && [ "$score" -gt -8 ]; }
within 10 new_game "$game_window" ||
    fail "switching from the menu did not start a new game (score $(score_of "$game_window"))"

kill "$game_pid"
game_pid=
echo "PASS"
