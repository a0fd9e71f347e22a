#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the game costs while it sits open: the share of one core the game
# process uses over 30 s on the main menu (chase and blink running), then over
# 30 s in a game, paused, and both again with the sound cues on (S), read
# from /proc/<pid>/stat, in a private X server with a
# window manager. The X server's own share is printed beside it. Last, for
# scale, the minimal Qt Widgets window sliding one rectangle at the chase's
# pace (bench_minimal_window --animate).
# Usage: bench/cpu.sh [build folder] [seconds] (defaults: build, 30)
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib/xsession.sh"
build=$(cd "${1:-build}" && pwd)
seconds=${2:-30}
hz=$(getconf CLK_TCK)

# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }

# Share of one core used by the game and by the X server over $seconds, and
# the game's threads and the wake-ups of all of them (context switches).
measure() {
    local g0 x0 g1 x1 w0 w1
    g0=$(cpu_ticks "$game_pid"); x0=$(cpu_ticks "$xvfb_pid"); w0=$(wakeups "$game_pid")
    sleep "$seconds"
    g1=$(cpu_ticks "$game_pid"); x1=$(cpu_ticks "$xvfb_pid"); w1=$(wakeups "$game_pid")
    awk -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v hz="$hz" -v s="$seconds" -v what="$1" -v w=$((w1 - w0)) \
        -v t="$(ls "/proc/$game_pid/task" | wc -l)" \
        'BEGIN { printf "%-5s game %.2f %% of a core, X server %.2f %% (over %d s); %d threads, %.0f wake-ups/s\n", what, 100 * g / hz / s, 100 * x / hz / s, s, t, w / s }'
}
# Context switches of all the process's threads so far.
wakeups() {
    cat /proc/"$1"/task/*/status | awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n }'
}

mkdir -p "$XDG_DATA_HOME/quillway/data"
export SDL_AUDIODRIVER=dummy
start_game "$build/quillway"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
sleep 2 # start-up is not what is measured
measure menu
click_in "$menu" 152 140 # New Game
title_matches "^Quillway - Game - Score: " || fail "no game running"
sleep 1
measure play
game_window=$(xdotool search --onlyvisible --name '^Quillway - Game' | head -n 1)
xdotool windowactivate --sync "$game_window" 2>/dev/null || true
xdotool key p
title_matches " - Paused\$" || fail "P did not pause"
measure paused
# The sound cues, through SDL's dummy driver: a sound card's pace (a buffer
# of 512 frames every 10.7 ms), with nothing played.
xdotool key p s
sleep 1
measure "play, sound cues on:"
xdotool key p
title_matches " - Paused\$" || fail "P did not pause"
measure "paused, sound cues on:"
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true
start_game "$build/bench_minimal_window" --animate
window_named Minimal >/dev/null || fail "no minimal window"
sleep 2
measure "minimal window, one rectangle sliding:"
