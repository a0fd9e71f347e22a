#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, leaving: the game window's close box asks first; No and the
# game goes on, Yes and the menu is back, active and animated, with the
# high-score files untouched. Then Quit from the menu answered Yes with a game
# open ends the program at once, status 0, with no other question.
# Usage: leaving.sh path/to/quillway path/to/quillway_scoretable
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1
table=$2
data="$XDG_DATA_HOME/quillway/data"

seed_scores "$table"
files_state() { (cd "$data" && ls -l --time-style=+%s.%N && md5sum ./*); }
before=$(files_state)

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_new_game "$menu"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "no game running"
game_window=$(window_named "Quillway - Game.*") || fail "no game window"

click_close_box "$game_window"
answer "Quit during a game\\?" Escape # No
window_gone "Quit during a game\\?" || fail "the question stayed open"
score=$(score_of "$game_window") || fail "no score in the game window's title"
within 10 score_at_most "$game_window" $((score - 1)) || fail "the game stopped after No"

click_close_box "$game_window"
answer "Quit during a game\\?" Return # Yes
window_gone "Quillway - Game.*" || fail "the game window stayed after Yes"
becomes_active "$menu" || fail "the menu is not active after leaving"
animated "$menu" || fail "the menu's animation stands still"
[ "$(files_state)" = "$before" ] || fail "leaving touched the high-score files"

# Quit with a game open: the program ends with no other question.
click_new_game "$menu"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "no second game"
quit_from_menu "$menu"
ended_unasked() {
    xdotool search --onlyvisible --name "^Quit during a game" >/dev/null 2>&1 && echo asked && return 0
    ended "$game_pid"
}
why=$(within 10 ended_unasked) || fail "the program was still running 10 s after Quit"
[ "$why" != asked ] || fail "the game window asked too"
expect_exit 0
echo "PASS"
