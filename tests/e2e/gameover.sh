#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, at the game's real pace: a game lost by a time-out and then
# twice to the traffic beats the fifth entry of a seeded table; the player
# types a name with accents;
# Play again? Yes starts a new game in the same window, lost to the traffic
# with a second high score under the name offered again; No brings the menu
# back. The ten files then hold the new table, read with the game's reader.
# Usage: gameover.sh path/to/quillway path/to/quillway_scoretable
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1
table=$2
data="$XDG_DATA_HOME/quillway/data"
name="Zoë Brontë-Małecka"

seed_scores "$table"
map_letters "ediaeresis Ediaeresis" "lstroke Lstroke"

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_new_game "$menu"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "no game running"
game_window=$(window_named "Quillway - Game.*") || fail "no game window"

# A time-out: 73 ticks of 300 ms and half a second of squashed hedgehog. The
# bar is full again, and the title shows the life lost from its first tick:
# 72 points lost to the full bar and one to that tick, or a few more if this
# look comes late.
title_within " - Lives: 2 - " 60 || fail "the time-out took no life"
after=$(score_of "$game_window") || fail "no score in the game window's title"
[ "$after" -le -73 ] && [ "$after" -ge -78 ] || fail "score $after after the time-out, not -73"
# Then the traffic, quicker than two more time-outs: one step up into the red
# cars, each life.
lose_to_traffic 2 1
first=$(score_of "$game_window") || fail "no score in the game window's title"
answer "You have acheived a high score" ctrl+a
xdotool type --delay 50 "$name"
xdotool key Return
answer "Game Over" Return # Yes: play again

title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "no new game after Yes"
[ "$(xdotool search --onlyvisible --name "^Quillway - Game")" = "$game_window" ] ||
    fail "the new game is not in the same window"

# The second game, lost to the traffic.
lose_to_traffic 3 2 1
second=$(score_of "$game_window") || fail "no score in the game window's title"
answer "You have acheived a high score" Return # the name typed before
answer "Game Over" Escape # No
window_gone "Quillway - Game.*" || fail "the game window stayed after No"
becomes_active "$menu" || fail "the menu is not back after No"
animated "$menu" || fail "the menu's animation stands still"

# Each score is the one the name box was asked about; the higher goes above,
# and of equal scores the later.
if [ "$second" -ge "$first" ]; then high=$second low=$first; else high=$first low=$second; fi
expected=$(printf '900\tAda\n500\tBjörn\n\t\n%s\t%s\n%s\t%s' "$high" "$name" "$low" "$name")
[ "$("$table" read "$data")" = "$expected" ] ||
    fail "the files hold:$(echo; "$table" read "$data") expected:$(echo; echo "$expected")"

quit_from_menu "$menu"
expect_exit 0
echo "PASS"
