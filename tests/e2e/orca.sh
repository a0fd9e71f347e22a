#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end with a real screen reader: Orca, speaking through
# speech-dispatcher into a transcript (a generic output module whose "voice"
# appends each utterance to a file, so no sound card is needed), on a private
# D-Bus session with its own accessibility bus. The game is worked by keys
# alone, and the transcript must hold what a blind player needs to hear: the
# chosen menu item, the rules, the pause and its end, a life lost and the quit
# question with its buttons; and the game's sound cues come on by themselves.
# Usage: orca.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/a11ysession.sh"
game=$1

speechd_pid=
orca_pid=
# Orca and speech-dispatcher end before the X server they talk to.
reader_cleanup() {
    stop_pids "$orca_pid" "$speechd_pid"
    e2e_cleanup
}
trap reader_cleanup EXIT

heard="$e2e_tmp/heard.txt"
: >"$heard"
speechd="$e2e_tmp/speechd"
mkdir -p "$speechd/modules"
cat >"$speechd/speechd.conf" <<EOF
LogLevel 1
LogDir "$e2e_tmp"
DefaultLanguage "en"
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
AudioOutputMethod "libao"
EOF
# The module still opens a sound device; libao's null driver is one.
echo "default_driver=null" >"$HOME/.libao"
# The module passes the text in \$DATA, quoted for the shell's single quotes.
cat >"$speechd/modules/transcript.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>'$heard'"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "transcript"
EOF
export SPEECHD_ADDRESS="unix_socket:$e2e_tmp/speechd.sock"
speech-dispatcher --run-single --timeout 0 --config-dir "$speechd" \
    --communication-method unix_socket --socket-path "$e2e_tmp/speechd.sock" >"$e2e_tmp/speechd.log" 2>&1 &
speechd_pid=$!

# The game's sound goes to a file (SDL's disk audio driver): with a screen
# reader running, its cues are on from the start, without a key.
sound="$e2e_tmp/sound.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound"
# Waits up to $1 seconds for a sample that is not silence.
sound_within() {
    for _ in $(seq "$(($1 * 10))"); do
        [ -s "$sound" ] && python3 -c '
import array, sys
data = open(sys.argv[1], "rb").read()
sys.exit(0 if any(abs(x) > 0.01 for x in array.array("f", data[:len(data) // 4 * 4])) else 1)' "$sound" && return 0
        sleep 0.1
    done
    return 1
}

# Orca's own launcher will not start beside another Orca of the same user, on
# any display, and its --replace kills them all (a developer's own screen
# reader among them). So Orca's main loop is started here directly, for this
# session alone, with its settings in a folder of their own: a first start
# there writes the defaults and asks nothing.
/usr/bin/python3 - "$e2e_tmp/orca" >"$e2e_tmp/orca.log" 2>&1 <<'EOF' &
import sys
from orca import orca
settings = orca.getSettingsManager()
settings.activate(sys.argv[1], {})
sys.path.insert(0, settings.getPrefsDir())
sys.exit(orca.main())
EOF
orca_pid=$!
# A desktop's screen-reader switch (GNOME's, MATE's, Super+Alt+S) turns the
# reader on through the accessibility bus, which then says so to every
# program; Orca started by hand, as here, leaves that to the caller.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
    fail "the accessibility bus did not take the screen reader's switch"

# The line count of the transcript so far: what is heard next comes after it.
mark() { wc -l <"$heard"; }
# True when a line after line $1 matches $2 (grep -E). grep reads to the end:
# leaving early would end tail with SIGPIPE, and pipefail would count it.
heard_since() { tail -n +"$(($1 + 1))" "$heard" | grep -E -- "$2" >/dev/null; }
# Waits up to $3 seconds for a line matching $2 after line $1.
heard_after() { within "$3" heard_since "$1" "$2"; }
deaf() { fail "$1; Orca said: $(tail -n +"$(($2 + 1))" "$heard" | tr '\n' '|')"; }

heard_after 0 'Screen reader on' 40 || fail "Orca did not start: $(tail -n 5 "$e2e_tmp/orca.log")"

# The menu appears with New Game chosen, and Orca says so.
at=$(mark)
start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
heard_after "$at" '^New Game' 10 || deaf "the chosen item was not spoken when the menu appeared" "$at"

# The rules are read as they open, first paragraph first.
at=$(mark)
xdotool key Down Down Return
window_named "Quillway - Rules" >/dev/null || fail "Down, Down, Return did not open the rules"
heard_after "$at" 'In Quillway you have to guide the hedgehog' 10 || deaf "the rules were not read" "$at"

# Back on the menu, the chosen item is spoken again.
at=$(mark)
xdotool key Escape
window_gone "Quillway - Rules" || fail "Escape left the rules window open"
heard_after "$at" '^Rules' 10 || deaf "the chosen item was not spoken on the menu's return" "$at"

# A game: pause and resume are spoken, and a life lost.
at=$(mark)
xdotool key Up Return
within 20 visible_window '^Quillway - Game' >/dev/null || fail "Up, Return on the menu opened no game"
heard_after "$at" 'Lives: 3' 10 || deaf "the new game was not announced" "$at"
sound_within 10 || fail "with Orca running, the game played no sound cues"
at=$(mark)
xdotool key p
heard_after "$at" 'Paused' 10 || deaf "the pause was not spoken" "$at"
at=$(mark)
xdotool key p
heard_after "$at" 'Resumed' 10 || deaf "the end of the pause was not spoken" "$at"
at=$(mark)
xdotool key Up
title_within ' - Lives: 2 - ' 30 || fail "the traffic took no life"
heard_after "$at" 'Lives: 2' 10 || deaf "the life lost was not spoken" "$at"

# The quit question, from the menu: its title, its text and its buttons.
# Each step waits for Orca to have spoken the one before: a reader that is
# behind drops what has become stale, and would read only the box's button.
at=$(mark)
xdotool windowactivate --sync "$menu" 2>/dev/null || true
heard_after "$at" 'Quillway - Main Menu' 10 || deaf "the menu was not spoken as it came back" "$at"
at=$(mark)
xdotool key Up
heard_after "$at" '^Quit push button' 10 || deaf "Up from New Game did not choose Quit" "$at"
at=$(mark)
xdotool key Return
window_named "Quit Quillway\\?" >/dev/null || fail "Return on Quit did not ask to quit"
for words in 'Quit Quillway\?' 'Are you sure you want to quit\?' 'Yes'; do
    heard_after "$at" "$words" 10 || deaf "the quit question did not say \"$words\"" "$at"
done
answer "Quit Quillway\\?" Return
expect_exit 0
[ -n "${E2E_TRANSCRIPT:-}" ] && cp "$heard" "$E2E_TRANSCRIPT"
echo "PASS"
