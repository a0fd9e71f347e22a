#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Peak resident memory (VmHWM) through a whole game against a minimal Qt
# Widgets window, in one private X server with a window manager: the
# minimal window shown for a few seconds; then the game from its menu, New
# Game, played into the traffic until game over (the name box accepted if it
# comes, "Play again?" answered No), and the menu again for a few seconds.
# Usage: bench/memory.sh [build folder] (default build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/../tests/e2e/lib/xsession.sh"
mkdir -p "$XDG_DATA_HOME/quillway/data"

peak_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status"; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }

start_game "$build/bench_minimal_window"
window_named Minimal >/dev/null || fail "no minimal window"
sleep 3
minimal=$(peak_kib)
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=

start_game "$build/quillway"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
sleep 2
on_menu=$(peak_kib)
click_in "$menu" 152 140 # New Game
game_window=$(window_named "Quillway - Game.*") || fail "no game window"
over=
for _ in $(seq 600); do
    if box=$(xdotool search --onlyvisible --name "^You have acheived a high score\$" 2>/dev/null | head -n 1) && [ -n "$box" ]; then
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key Return
    elif box=$(xdotool search --onlyvisible --name "^Game Over\$" 2>/dev/null | head -n 1) && [ -n "$box" ]; then
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key n
        over=1
        break
    else
        xdotool windowactivate --sync "$game_window" 2>/dev/null || true
        xdotool key Up
    fi
    sleep 0.3
done
[ -n "$over" ] || fail "no game over within three minutes"
in_game=$(peak_kib)
sleep 0.5
xdotool search --onlyvisible --name "^Quillway - Game" >/dev/null 2>&1 && fail "the game window stayed after No"
sleep 3 # the menu again, its animations running
game=$(peak_kib)
echo "peak resident memory (VmHWM), KiB:"
echo "  minimal Qt Widgets window      $minimal"
echo "  game: menu shown               $on_menu"
echo "  game: at game over             $in_game"
echo "  game: back on the menu         $game (now resident: $(rss_kib))"
awk -v g="$game" -v m="$minimal" 'BEGIN { printf "  ratio, whole game to minimal:  %.3f\n", g / m }'
