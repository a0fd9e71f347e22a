#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, by ear: the real game under X with SDL's disk audio driver,
# which writes what the game plays to a file (48 kHz, stereo, 32-bit floats)
# as a sound card would play it, in real time. Checked: no sound with the
# cues off; sound after S, and no D-Bus daemon started where none runs; on the bottom verge at the far left, the red cars
# (the voice of the lane ahead, a bell) come from the right; in the red lane
# at the far right, the orange cars (now the lane ahead) from the left, the
# step into the lane timed by ear; nothing written while paused, sound again
# after the pause, and none after S again.
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

# The bell's own partial (2.76 times its 880 Hz), which no other sound of the
# game has: "pan" prints its strength on the left and right in its pulses
# (leaving out any held tone) and how many ms of pulses there were, over
# $2 ms from byte $3; "steady" says whether
# it held through the last $2 ms (a vehicle covering the column).
bell() {
    python3 - "$sound" "$@" <<'EOF'
import array, math, os, sys
path, what, ms = sys.argv[1], sys.argv[2], int(sys.argv[3])
rate, freq, block = 48000, 880 * 2.76, 960  # blocks of 20 ms
size = os.path.getsize(path) if os.path.exists(path) else 0
start = int(sys.argv[4]) if len(sys.argv) > 4 else max(0, size - ms * rate // 1000 * 8)
start -= start % 8
with open(path, 'rb') as f:
    f.seek(start)
    samples = array.array('f', f.read(min(max(0, size - start), ms * rate // 1000 * 8) // 8 * 8))
coeff = 2 * math.cos(2 * math.pi * freq / rate)
def power(channel, first, count):
    s1 = s2 = 0.0
    for x in samples[2 * first + channel:2 * (first + count):2]:
        s1, s2 = x + coeff * s1 - s2, s1
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / max(1, count) ** 2
frames = len(samples) // 2
blocks = [(power(0, b, block), power(1, b, block)) for b in range(0, frames - block + 1, block)]
both = [l + r for l, r in blocks]
def steady(run):  # every block of the run near its loudest
    return bool(run) and min(run) > 0.3 * max(run) > 1e-9
if what == 'pan':  # the pulses, not the held tone of a car covering the column
    n = len(both)
    held = [steady(both[max(0, i - 5):i + 6]) for i in range(n)]
    loud = 0.05 * max(both + [1e-9])
    pulses = [blocks[i] for i in range(n) if both[i] > loud and not any(held[max(0, i - 5):i + 6])]
    levels = [math.sqrt(sum(side) / max(1, len(pulses))) for side in zip(*pulses or [(0, 0)])]
    print('%.3g %.3g %d' % (levels[0], levels[1], len(pulses) * 20))
else:
    sys.exit(0 if steady(both) else 1)
EOF
}
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
# Asserts the bell sounds louder on side $1 (left or right) over $2 ms
# from byte $3, in at least $5 ms of pulses (else returns 1).
bell_from() {
    local levels
    levels=$(bell pan "$2" "$3")
    echo "bell on the left and right and ms of pulses, $4: $levels"
    [ "${levels##* }" -ge "$5" ] || return 1
    levels=${levels% *}
    awk -v side="$1" -v l="${levels% *}" -v r="${levels#* }" \
        'BEGIN { exit !(side == "left" ? l > 1.5 * r : r > 1.5 * l) }' ||
        fail "$4: the bell is not louder on the $1 ($levels)"
}

mkdir -p "$XDG_DATA_HOME/quillway/data"
start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
xdotool windowactivate --sync "$menu" 2>/dev/null || true
xdotool key Return
game_window=$(window_named "Quillway - Game.*" || window_named "Quillway - Game") || fail "no game window"
title_matches "^Quillway - Game - Score: -3 - " || fail "the countdown does not run"
[ ! -e "$sound" ] || fail "the cues are off, yet a sound device was opened"

# S: the cues come on, the red cars' bell among them.
xdotool windowactivate --sync "$game_window" 2>/dev/null || true
xdotool key s
sound_after 0 5 || fail "S did not bring the sound"
# libdbus's autolaunch leaves its marks on the display it starts a bus for.
if xlsatoms | grep -q _DBUS_SESSION_BUS; then fail "a D-Bus daemon was started for the game"; fi

# Waits, by ear, for a red car to cover the hedgehog's column and pass it:
# the bell holds while one covers the column and pulses once it has gone,
# the next car then over two seconds away.
car_passed() {
    local covered=
    for _ in $(seq 300); do
        if bell steady 300; then
            covered=yes
        elif [ -n "$covered" ]; then
            return 0
        fi
        sleep 0.05
    done
    fail "in 15 s no red car was heard passing the column $1"
}

# Eleven steps left: the far left column, on the bottom verge. The red cars
# come from the right.
xdotool key --delay 20 Left Left Left Left Left Left Left Left Left Left Left
car_passed "at the far left"
at=$(written)
sound_after $((at + 48000 * 8)) 5 || fail "no sound at the far left"
bell_from right 1000 "$at" "on the bottom verge at the far left, the red cars" 60 ||
    fail "at the far left, the red cars' pulses were not heard"

# The far right column, still on the verge; then up into the red lane just
# after a car has passed, by ear. The orange cars, now the lane ahead, come
# from the left; one may cover the column all the while (the bell holds,
# with no pulses to tell where the next comes from): then again, up to four
# times.
for _ in $(seq 23); do xdotool key Right; done
for try in 1 2 3 4; do
    car_passed "at the far right"
    xdotool key Up
    at=$(written)
    sound_after $((at + 48000 * 8 * 6 / 5)) 5 || fail "no sound in the red lane"
    xdotool key Down
    bell_from left 1200 "$at" "in the red lane at the far right, the orange cars" 60 && break
    [ "$try" -lt 4 ] || fail "in four tries the orange cars' pulses were not heard"
done

# Paused: nothing is played, not even silence; resumed, the sound is back.
xdotool key p
# (A hedgehog run over above would have lost a life by now.)
title_matches ' - Lives: 3 - Level: 1 - Paused$' || fail "P did not pause, or the hedgehog was run over stepping in by ear"
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
