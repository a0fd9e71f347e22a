#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program under a private X server for MINUTES minutes (default 10),
# played with random keys from xdotool: arrows (mostly up), P, letters; the
# name box accepted, "Play again?" answered at random, New Game clicked
# whenever the menu is back. Prints the resident memory at each minute; fails
# if the program ends.
# Usage: bench/xsoak.sh [build folder] [minutes] [seed]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
minutes=${2:-10}
RANDOM=${3:-1208}
source "$(dirname "$0")/../tests/e2e/lib/xsession.sh"
mkdir -p "$XDG_DATA_HOME/quillway/data"

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

start_game "$build/quillway"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
keys=(Up Up Up Up Up Left Right Down p a z 5 space)
start=$SECONDS
next_minute=0
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
    if [ $((SECONDS - start)) -ge $((next_minute * 60)) ]; then
        echo "minute $next_minute: resident $(rss_kib) KiB"
        next_minute=$((next_minute + 1))
    fi
    if box=$(visible "^You have acheived a high score\$") && [ -n "$box" ]; then
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key Return
    elif box=$(visible "^Game Over\$") && [ -n "$box" ]; then
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        xdotool key "$([ $((RANDOM % 2)) -eq 0 ] && echo y || echo n)"
    elif game=$(visible "^Quillway - Game") && [ -n "$game" ]; then
        xdotool windowactivate --sync "$game" 2>/dev/null || true
        xdotool key "${keys[RANDOM % ${#keys[@]}]}"
    else
        click_in "$menu" 152 140 # New Game
    fi
    sleep 0.$((1 + RANDOM % 3))
done
echo "minute $minutes: resident $(rss_kib) KiB"
echo "peak (VmHWM): $(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status") KiB"
