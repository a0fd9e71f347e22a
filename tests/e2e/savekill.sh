#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end: a high-score save killed half-way through its renames, the
# score files already new and the name files still old, on a disk slowed
# down to make the moment easy to hit. The game started again finds the whole
# new table, and nothing of the killed save is left in the folder. The slow
# disk is strace's fault injection: each rename returns 300 ms late.
# Usage: savekill.sh path/to/quillway path/to/quillway_scoretable
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1
table=$2
data="$XDG_DATA_HOME/quillway/data"

seed_scores "$table"
# The game itself is strace's child: it says its id, then becomes the game.
# Only its main thread is traced, where the save runs.
start_game strace -qq -o /dev/null -e trace=rename,renameat,renameat2 \
    -e inject=rename,renameat,renameat2:delay_exit=300000 \
    bash -c 'echo $$ >"$1" && exec "$2"' - "$e2e_tmp/game.pid" "$game"
written() { [ -s "$1" ] && cat "$1"; }
traced=$(within 20 written "$e2e_tmp/game.pid") && numbers "$traced" || fail "the game did not start under strace"
e2e_pids+=("$traced")
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_new_game "$menu"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "no game running"
game_window=$(window_named "Quillway - Game.*") || fail "no game window"

lose_to_traffic 3 2 1
score=$(score_of "$game_window") || fail "no score in the game window's title"
answer "You have acheived a high score" Return

# The ten renames take 300 ms each once the save has committed, the five
# score files first: the kill comes when they are in place, a second and a
# half before the last name file would be.
scores_renamed() { [ -e "$data/.commit" ] && [ ! -e "$data/.score5.dat.new" ]; }
within 30 scores_renamed || fail "the save never committed and renamed the score files: $(ls -A "$data")"
kill -KILL "$traced"
e2e_pids=()
wait "$game_pid" 2>/dev/null || true
game_pid=
[ -e "$data/.commit" ] && [ -e "$data/.name5.dat.new" ] || fail "the kill missed the renames: $(ls -A "$data")"

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu after the kill"
click_new_game "$menu"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "no game after the kill"
quit_from_menu "$menu"
expect_exit 0

expected=$(printf '900\tAda\n500\tBjörn\n\t\n%s\tAnonymous\n-500\tDee' "$score")
[ "$("$table" read "$data")" = "$expected" ] ||
    fail "the files hold:$(echo; "$table" read "$data") expected:$(echo; echo "$expected")"
left=$(ls -A "$data" | tr '\n' ' ')
[ "$left" = ".lock name1.dat name2.dat name3.dat name4.dat name5.dat score1.dat score2.dat score3.dat score4.dat score5.dat " ] ||
    fail "the folder holds: $left"
echo "PASS"
