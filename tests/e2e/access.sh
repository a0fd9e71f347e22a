#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, without a mouse: a screen reader's client (AT-SPI, on a private
# D-Bus session) finds the menu's items and the rules' text and starts a game;
# Tab, Return and Escape work the menu, the rules and the quit question; on a
# Russian layout the key in P's place pauses.
# Usage: access.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/a11ysession.sh"
game=$1

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
items=$(reader items "Quillway - Main Menu") || fail "the reader found no menu: $(cat "$e2e_tmp/reader.log")"
for item in "New Game" Rules Quit; do
    grep -qx "push button: $item" <<<"$items" || fail "no push button $item in: $items"
done

# The keyboard alone: the second item is Rules; Escape closes them.
xdotool windowactivate --sync "$menu" 2>/dev/null || true
xdotool key Tab Tab
xdotool key Return
rules=$(window_named "Quillway - Rules") || fail "Tab, Tab, Return did not open the rules"
text=$(reader items "Quillway - Rules") || fail "the reader found no rules window"
[ "$(grep -c '^label: ' <<<"$text")" -eq 5 ] || fail "not five paragraphs: $text"
grep -qx 'label: When you get on to higher levels, the time runs out faster.' <<<"$text" || fail "no last paragraph in: $text"
xdotool windowactivate --sync "$rules" 2>/dev/null || true
xdotool key Escape
window_gone "Quillway - Rules" || fail "Escape left the rules window open"

# The reader's press of New Game is a click; the game's first tick reads out
# the lives and the level. The listener hears for up to 30 s, and is stopped
# once it has heard them.
/usr/bin/python3 "$(dirname "$0")/lib/atspi.py" hear 30 >"$e2e_tmp/heard.log" 2>&1 &
listener=$!
e2e_pids+=("$listener")
within 20 grep -qs listening "$e2e_tmp/heard.log" || fail "the listener did not start: $(cat "$e2e_tmp/heard.log")"
reader press "Quillway - Main Menu" "New Game" || fail "cannot press New Game: $(cat "$e2e_tmp/reader.log")"
title_matches '^Quillway - Game - Score' || fail "New Game pressed by the reader opened no game"
within 20 grep -x 'Score: 0 - Lives: 3 - Level: 1' "$e2e_tmp/heard.log" >/dev/null ||
    fail "nothing read out at the start: $(cat "$e2e_tmp/heard.log")"
stop_pids "$listener"
e2e_pids=()
play=$(visible_window '^Quillway - Game') || fail "no game window"

setxkbmap ru || fail "no Russian layout"
# grep reads on to the end: leaving early would end xmodmap with SIGPIPE.
xmodmap -pke | grep '^keycode  33 = Cyrillic_ze' >/dev/null || fail "the Russian layout has no з in P's place"
xdotool windowactivate --sync "$play" 2>/dev/null || true
xdotool key Cyrillic_ze
title_within ' - Paused$' 10 || fail "з in P's place did not pause: $(xdotool getwindowname "$play")"
reader items "Quillway - Game" | grep -x 'label: Paused' >/dev/null || fail "the reader does not hear the pause"

# Quit from the keyboard too (Rules was chosen last: Tab goes on to Quit); the
# question is Qt's own box, which a reader reads as it is.
xdotool windowactivate --sync "$menu" 2>/dev/null || true
xdotool key Tab Return
box=$(reader items "Quit Quillway?") || fail "the reader found no quit question: $(cat "$e2e_tmp/reader.log")"
grep -x 'label: Are you sure you want to quit?' <<<"$box" >/dev/null || fail "the question does not read right: $box"
grep -x 'push button: Yes' <<<"$box" >/dev/null || fail "no Yes button in: $box"
answer "Quit Quillway\\?" Return
expect_exit 0
echo "PASS"
