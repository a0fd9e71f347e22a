#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, in a real X server: start at the menu, open a game, play a few
# keys, come back to the menu and quit. Usage: play.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
game=$1

mkdir -p "$XDG_DATA_HOME/quillway/data"
# The game takes no command line: Qt's own options are ignored too, so it
# still opens on this X server.
start_game "$game" -platform offscreen -style windows --level 10
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
# Only the menu at start.
[ "$(xdotool search --onlyvisible --name '^Quillway' | wc -l)" -eq 1 ] || fail "more than the menu at start"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/menu.png"

# New Game (the label's middle, in pixels).
click_in "$menu" 152 140
game_window=$(window_named "Quillway - Game.*" || window_named "Quillway - Game") || fail "no game window"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "the countdown does not run"

# Pause and resume by the P key.
xdotool windowactivate --sync "$game_window" 2>/dev/null || true
xdotool key p
title_matches " - Paused\$" || fail "P did not pause"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/game.png"
xdotool key p
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "P did not resume"

# Quit from the menu, answering Yes with Return: the program ends at once,
# with status 0, even with the game window open.
click_in "$menu" 152 268
box=$(window_named "Quit Quillway\\?") || fail "no quit question"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
expect_exit 0
echo "PASS"
