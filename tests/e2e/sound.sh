#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, by ear: the real game under X with SDL's disk audio driver,
# which writes what the game plays to a file (48 kHz, stereo, 32-bit floats)
# as a sound card would play it, in real time. Checked: no sound with the
# cues off; sound after S, and no D-Bus daemon started where none runs;
# nothing written while paused, sound again after the pause, and none after
# S again.
# Usage: sound.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/player.sh"
game=$1

sound="$e2e_tmp/sound.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound"
# No session bus, as under a bare X server: neither SDL nor the game may
# start one of its own.
unset DBUS_SESSION_BUS_ADDRESS

# The bytes written so far.
written() { stat -c %s "$sound" 2>/dev/null || echo 0; }
# Waits up to $2 s for the file to hold more than $1 bytes with sound in them.
sound_after() {
    for _ in $(seq "$(($2 * 10))"); do
        [ "$(written)" -gt "$1" ] && python3 -c '
import array, sys
a = array.array("f", open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 8 * 8:][:-8 or None])
sys.exit(0 if a and max(map(abs, a)) > 0.01 else 1)' "$sound" "$1" && return 0
        sleep 0.1
    done
    return 1
}
# Waits up to $1 s for the file to stop growing for half a second.
still_within() {
    local before
    for _ in $(seq "$(($1 * 2))"); do
        before=$(written)
        sleep 0.5
        [ "$(written)" -eq "$before" ] && return 0
    done
    return 1
}
mkdir -p "$XDG_DATA_HOME/quillway/data"
start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
xdotool windowactivate --sync "$menu" 2>/dev/null || true
xdotool key Return
game_window=$(window_named "Quillway - Game.*" || window_named "Quillway - Game") || fail "no game window"
title_matches "^Quillway - Game - Score: -3 - " || fail "the countdown does not run"
[ ! -e "$sound" ] || fail "the cues are off, yet a sound device was opened"

# S: the cues come on.
xdotool windowactivate --sync "$game_window" 2>/dev/null || true
xdotool key s
sound_after 0 5 || fail "S did not bring the sound"
# libdbus's autolaunch leaves its marks on the display it starts a bus for.
if xlsatoms | grep -q _DBUS_SESSION_BUS; then fail "a D-Bus daemon was started for the game"; fi

# Paused: nothing is played, not even silence; resumed, the sound is back.
xdotool key p
title_matches ' - Paused$' || fail "P did not pause"
still_within 5 || fail "the sound went on while paused"
paused_at=$(written)
sleep 1 # a paused game has nothing to wait for; this is the time it stays quiet
[ "$(written)" -eq "$paused_at" ] || fail "sound was written while paused"
xdotool key p
title_matches ' - Lives: 3 - Level: 1$' || fail "P did not resume"
sound_after 0 5 || fail "no sound after the pause"

# S again: off, and the device closed.
xdotool key s
still_within 5 || fail "the sound went on after S switched it off"

click_in "$menu" 152 268
answer "Quit Quillway\\?" Return
expect_exit 0
echo "PASS"
