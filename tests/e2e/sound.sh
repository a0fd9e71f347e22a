#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, by ear: the real game under X with SDL's disk audio driver,
# which writes what the game plays to a file (48 kHz, stereo, 32-bit floats)
# as a sound card would play it, in real time. Checked: no sound with the
# cues off; sound after S, and no D-Bus daemon started where none runs;
# on the bottom verge at the far left, the red cars come from the right, at
# the far right the orange cars from the left; nothing written while paused,
# sound again after the pause, and none after S again.
# Usage: sound.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1

sound="$e2e_tmp/sound.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound"
# No session bus, as under a bare X server: neither SDL nor the game may
# start one of its own.
unset DBUS_SESSION_BUS_ADDRESS

# The strength of one frequency, in blocks of 20 ms: $1 Hz, chosen to belong
# to one lane's voice alone. "pan" prints it on the left and right in the
# voice's pulses (leaving out any held tone) and how many ms of pulses there
# were, over $3 ms from byte $4; "held" says whether the last $3 ms held a
# tone (a vehicle covering the column), or came in pulses (status 1), or
# too little was heard to tell (2). A voice may share its time with
# another lane's, taking turns of a quarter second: what tells a held tone
# from pulses is that it stays near its loudest while heard, where a pulse
# dies away.
tone() {
    python3 - "$sound" "$@" <<'EOF'
import array, math, os, sys
path, freq, what, ms = sys.argv[1], float(sys.argv[2]), sys.argv[3], int(sys.argv[4])
rate, block = 48000, 960
size = os.path.getsize(path) if os.path.exists(path) else 0
start = int(sys.argv[5]) if len(sys.argv) > 5 else max(0, size - ms * rate // 1000 * 8)
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
def held(run):  # what sounds in the run stays near its loudest: no pulses' decays
    top = max(run + [0])
    heard = [b for b in run if b > 0.05 * top]
    return top > 1e-9 and len(heard) >= 3 and sum(b > 0.3 * top for b in heard) >= 0.7 * len(heard)
if what == 'pan':
    n = len(both)
    holding = [held(both[max(0, i - 15):i + 16]) for i in range(n)]
    loud = 0.05 * max(both + [1e-9])
    pulses = [blocks[i] for i in range(n) if both[i] > loud and not holding[i]]
    levels = [math.sqrt(sum(side) / max(1, len(pulses))) for side in zip(*pulses or [(0, 0)])]
    print('%.3g %.3g %d' % (levels[0], levels[1], len(pulses) * 20))
else:  # 0: held; 1: pulses; 2: too little heard to tell
    top = max(both + [0])
    sys.exit(2 if sum(b > 0.05 * top for b in both) < 5 else 0 if held(both) else 1)
EOF
}
# The voices listened to, on the bottom verge: the red cars, the nearer
# lane's reed at 220 Hz; the orange cars, the farther lane's bell at
# 660 x 1.25 Hz, by its partial at 2.76 times that.
red=220
orange=2277
# The bytes written so far.
written() { stat -c %s "$sound" 2>/dev/null || echo 0; }
# Whether the file holds more than $1 bytes with sound in them.
sound_beyond() {
    [ "$(written)" -gt "$1" ] && python3 -c '
import array, sys
a = array.array("f", open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 8 * 8:][:-8 or None])
sys.exit(0 if a and max(map(abs, a)) > 0.01 else 1)' "$sound" "$1"
}
# Waits up to $2 s for the file to hold more than $1 bytes with sound in them.
sound_after() { within "$2" sound_beyond "$1"; }
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
# Whether the tone of $6 Hz sounds louder on side $1 (left or right), by a
# quarter at least, over $2 ms from byte $3, in at least $5 ms of pulses:
# status 1 when there were fewer pulses, 2 when not louder there.
louder_on() {
    local levels
    levels=$(tone "$6" pan "$2" "$3")
    echo "left, right and ms of pulses, $4: $levels"
    [ "${levels##* }" -ge "$5" ] || return 1
    levels=${levels% *}
    awk -v side="$1" -v l="${levels% *}" -v r="${levels#* }" \
        'BEGIN { exit !(side == "left" ? l > 1.25 * r : r > 1.25 * l) }' || return 2
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

# Waits, by ear, for a red car to cover the hedgehog's column and pass it:
# the red cars' voice holds while one covers the column and pulses once it
# has gone, the next car then over two seconds away.
car_passed() {
    local covered= heard pulses=0
    for _ in $(seq 300); do
        heard=0
        tone $red held 600 || heard=$?
        if [ "$heard" -eq 0 ]; then
            covered=yes pulses=0
        elif [ "$heard" -eq 1 ] && [ -n "$covered" ]; then
            # Twice in a row: a held tone throbbing fast as the car leaves
            # can pass for pulses once.
            pulses=$((pulses + 1))
            [ "$pulses" -ge 2 ] && return 0
        fi
        sleep 0.1
    done
    fail "in 15 s no red car was heard passing the column $1"
}

# The lives the title shows.
lives() { xdotool getwindowname "$game_window" | sed -n 's/.* - Lives: \([0-9]*\) - .*/\1/p'; }
# Takes the hedgehog to the edge of the bottom verge on side $1 (Left or
# Right): 23 steps reach it from anywhere. The countdown may run out while
# the test listens on a busy machine, bringing the hedgehog back to its
# start; at_edge says whether it is still where this put it.
to_edge() {
    edge_lives=$(lives)
    numbers "$edge_lives" || fail "no lives in the title"
    for _ in $(seq 23); do xdotool key "$1"; done
}
at_edge() { [ "$(lives)" = "$edge_lives" ]; }

# The far left column, on the bottom verge. The red cars come from the right.
to_edge Left
for try in 1 2 3 4 5 6; do
    car_passed "at the far left"
    # The next car on its way, for the second and a half before it can
    # cover the column (a red car takes over three seconds to pass it, and
    # the next comes under three seconds later): the red cars' voice pulses
    # every other quarter second.
    at=$(written)
    sound_after $((at + 48000 * 8 * 3 / 2)) 10 || fail "no sound at the far left"
    if at_edge; then
        louder_on right 1500 "$at" "on the bottom verge at the far left, the red cars" 120 $red && break
    else
        title_matches " - Lives: $((edge_lives - 1)) - " && to_edge Left
    fi
    [ "$try" -lt 6 ] || fail "in six tries the red cars' pulses were not heard louder on the right"
done

# The far right column, still on the verge: the orange cars (taking turns
# with the blue ones in the voice of the lanes beyond) come from the left.
to_edge Right
for try in 1 2 3 4 5 6; do
    at=$(($(written) + 48000 * 8 / 2))
    sound_after $((at + 48000 * 8 * 4)) 10 || fail "no sound at the far right"
    if at_edge; then
        louder_on left 4000 "$at" "on the bottom verge at the far right, the orange cars" 120 $orange && break
    else
        title_matches " - Lives: $((edge_lives - 1)) - " && to_edge Right
    fi
    [ "$try" -lt 6 ] || fail "in six tries the orange cars' pulses were not heard louder on the left"
done

# Paused: nothing is played, not even silence; resumed, the sound is back.
xdotool key p
title_matches ' - Paused$' || fail "P did not pause"
still_within 5 || fail "the sound went on while paused"
paused_at=$(written)
sleep 1 # a paused game has nothing to wait for; this is the time it stays quiet
[ "$(written)" -eq "$paused_at" ] || fail "sound was written while paused"
xdotool key p
title_matches ' - Level: 1$' || fail "P did not resume"
sound_after 0 5 || fail "no sound after the pause"

# S again: off, and the device closed.
xdotool key s
still_within 5 || fail "the sound went on after S switched it off"

click_in "$menu" 152 268
answer "Quit Quillway\\?" Return
expect_exit 0
echo "PASS"
