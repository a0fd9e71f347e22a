#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end on Wayland: the real program under sway's headless compositor,
# with Qt's Wayland platform and no X server, played as a player would with a
# pointer and a keyboard: the menu, New Game, arrows seen on the screen,
# pause and resume, a death in traffic, the close question answered No and
# then Yes, Rules opened and closed, Quit answered Yes; status 0 and nothing
# printed. Once at an output scale of 1 and once at 2. At scale 1 the game is
# then started again: its three windows ask for a fixed size (least and
# greatest sizes alike), and SIGTERM ends it as that signal does (143),
# silently, with the compositor still running.
# Usage: wayland.sh path/to/quillway
set -euo pipefail
game=$1
lib=$(cd "$(dirname "$0")/lib" && pwd)
source "$lib/wait.sh"
source "$lib/ending.sh"

e2e_tmp=$(mktemp -d)
export HOME="$e2e_tmp/home"
export XDG_DATA_HOME="$HOME/.local/share"
export QT_QPA_PLATFORM=wayland
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
mkdir -p "$HOME"
sway_pid= input_pid= game_pid=

# Stops what the test started, by its ids. Run on every exit, an interrupt or
# termination included.
stop_session() {
    stop_pids "$game_pid" "$input_pid" "$sway_pid"
    game_pid= input_pid= sway_pid=
}
trap 'stop_session; rm -rf "$e2e_tmp"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "FAIL (output scale $scale): $*"
    echo "--- the game printed:"; cat "$e2e_tmp/out.log" 2>/dev/null
    echo "--- windows:"; swaymsg -t get_tree 2>/dev/null | grep '"name"' || true
    echo "--- sway's log:"; tail -n 5 "$e2e_tmp/sway.log" 2>/dev/null
    [ -n "${E2E_SHOTS:-}" ] && grim "$E2E_SHOTS/wayland-failure-$scale.png" 2>/dev/null
    exit 1
}

# sway with one headless output at the given scale, and a virtual pointer and
# keyboard plugged into its seat (without them it has no input devices). sway
# refuses to run as root; as root it runs as the unprivileged user nobody,
# in a runtime folder of its own that root's clients can still reach.
start_session() {
    export XDG_RUNTIME_DIR="$e2e_tmp/run-$1"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    cat >"$e2e_tmp/sway.conf" <<EOF
xwayland disable
output HEADLESS-1 resolution $((1280 * $1))x$((1024 * $1)) scale $1
default_border normal
EOF
    local run_as=()
    if [ "$(id -u)" -eq 0 ]; then
        chmod 711 "$e2e_tmp"
        chmod 644 "$e2e_tmp/sway.conf"
        chown nobody: "$XDG_RUNTIME_DIR"
        run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    env -i PATH="$PATH" HOME="$e2e_tmp" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WLR_BACKENDS=headless \
        WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        "${run_as[@]}" sway -c "$e2e_tmp/sway.conf" >"$e2e_tmp/sway.log" 2>&1 &
    sway_pid=$!
    SWAYSOCK=$(within 30 sway_answers) || fail "sway does not answer: $(tail -n 3 "$e2e_tmp/sway.log")"
    WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls -d wayland-[0-9]* | grep -v '\.lock$' | head -n 1) ||
        fail "sway made no Wayland socket"
    export SWAYSOCK WAYLAND_DISPLAY
    python3 "$lib/wlinput.py" >"$e2e_tmp/input.log" 2>&1 &
    input_pid=$!
    within 30 grep -q '^ready$' "$e2e_tmp/input.log" || fail "no virtual input devices: $(cat "$e2e_tmp/input.log")"
}
# sway's socket, once sway answers on it.
sway_answers() {
    local socket
    socket=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock) && SWAYSOCK=$socket swaymsg -t get_version >/dev/null && echo "$socket"
}

# "x y width height focused app_id" of the game's first window whose title
# matches the pattern (x and y of its content, in layout coordinates).
find_window() {
    swaymsg -t get_tree | python3 -c '
import json, re, sys
def walk(node):
    if node.get("pid") and re.search(sys.argv[1], node.get("name") or ""):
        r, w = node["rect"], node["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"], int(node["focused"]), node.get("app_id"))
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)' "$1"
}

# Waits up to 30 s for a window whose title matches; prints find_window's line.
window() { within 30 find_window "$1"; }

# Waits up to 30 s for no window's title to match.
absent() { ! find_window "$1" >/dev/null; }
gone() { within 30 absent "$1"; }

# Waits up to 30 s for the window to have the focus; prints find_window's line.
has_focus() {
    local line
    line=$(find_window "$1") && [ "$(cut -d' ' -f5 <<<"$line")" = 1 ] && echo "$line"
}
focused() { within 30 has_focus "$1" >/dev/null; }

# Waits up to 30 s for a window to have the focus and its picture on the
# screen (more than one colour), in the same place before and after the
# picture is taken (sway centres a floating window again when its size
# comes), so that a click meets what it aims at; prints find_window's line.
ready() {
    local line x y w h colours
    line=$(has_focus "$1") && read -r x y w h _ <<<"$line" && numbers "$x" "$y" "$w" "$h" &&
        colours=$(colours_at "$x,$y ${w}x$h") && numbers "$colours" && [ "$colours" -gt 1 ] &&
        [ "$(find_window "$1")" = "$line" ] && echo "$line"
}
ready_window() { within 30 ready "$1"; }

# Clicks the point (x, y) of a window's content, given its find_window line.
click() {
    local wx wy
    read -r wx wy _ <<<"$1"
    # A step onto the point, so that the window under it hears the pointer
    # arrive even where the cursor already stood there.
    swaymsg -q seat - cursor set $((wx + $2 - 1)) $((wy + $3 - 1))
    swaymsg -q seat - cursor set $((wx + $2)) $((wy + $3))
    swaymsg -q seat - cursor press button1
    swaymsg -q seat - cursor release button1
}

close_window() {
    swaymsg -q "[title=\"$1\"] kill"
}

# The number of colours in a part of the screen (layout coordinates).
colours_at() {
    grim -g "$1" "$e2e_tmp/part.png"
    identify -format %k "$e2e_tmp/part.png"
}

# The least and greatest sizes the game last asked for the window titled
# $1 (a prefix), from the protocol log: "min w, h max w, h".
asked_sizes() {
    local toplevel
    toplevel=$(grep -o "xdg_toplevel@[0-9]*\.set_title(\"$1" "$e2e_tmp/proto.log" | head -n 1 | cut -d. -f1)
    [ -n "$toplevel" ] || return 1
    echo "min $(grep -o "$toplevel\.set_min_size([0-9, ]*)" "$e2e_tmp/proto.log" | tail -n 1 | sed 's/.*(\(.*\))/\1/')" \
        "max $(grep -o "$toplevel\.set_max_size([0-9, ]*)" "$e2e_tmp/proto.log" | tail -n 1 | sed 's/.*(\(.*\))/\1/')"
}

# The game again, with its requests to the compositor logged: every window
# fixed in size, and SIGTERM ends it without harming the compositor.
fixed_and_terminated() {
    local menu title sizes
    WAYLAND_DEBUG=client "$game" >"$e2e_tmp/out.log" 2>"$e2e_tmp/proto.log" &
    game_pid=$!
    menu=$(ready_window "^Quillway - Main Menu\$") || fail "no main menu with the focus the second time"
    click "$menu" 152 204 # Rules
    window "^Quillway - Rules\$" >/dev/null || fail "no rules window the second time"
    close_window "^Quillway - Rules\$"
    menu=$(ready_window "^Quillway - Main Menu\$") || fail "the menu is not active after the rules the second time"
    click "$menu" 152 140 # New Game
    window "^Quillway - Game" >/dev/null || fail "no game window the second time"
    for title in "Quillway - Main Menu:308, 302" "Quillway - Rules:" "Quillway - Game:511, 433"; do
        sizes=$(asked_sizes "${title%%:*}") || fail "no window titled ${title%%:*} in the protocol log"
        [[ "$sizes" =~ ^min\ ([0-9]+,\ [0-9]+)\ max\ ([0-9]+,\ [0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ] ||
            fail "${title%%:*} can be resized: $sizes"
        [ -z "${title#*:}" ] || [ "${BASH_REMATCH[1]}" = "${title#*:}" ] || fail "${title%%:*} is not ${title#*:}: $sizes"
    done
    kill -TERM "$game_pid"
    expect_exit 143
    kill -0 "$sway_pid" 2>/dev/null && swaymsg -t get_version >/dev/null || fail "the compositor ended with the game"
}

play() {
    scale=$1
    start_session "$scale"
    "$game" >"$e2e_tmp/out.log" 2>&1 &
    game_pid=$!

    local menu game_window gx gy hog colours
    menu=$(ready_window "^Quillway - Main Menu\$") || fail "no main menu with the focus, drawn"
    [ "$(cut -d' ' -f3,4,6 <<<"$menu")" = "308 302 org.quillway.Quillway" ] ||
        fail "the menu is not 308 x 302 with the desktop file's app id: $menu"
    click "$menu" 152 140 # New Game
    focused "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "New Game: no game with the focus"
    game_window=$(ready_window "^Quillway - Game") || fail "the game window is not drawn"
    [ "$(cut -d' ' -f3,4 <<<"$game_window")" = "511 433" ] || fail "the game window is not 511 x 433: $game_window"

    # Three steps left take the hedgehog off its start: seen on the screen.
    read -r gx gy _ <<<"$game_window"
    hog="$((gx + 224)),$((gy + 368)) 49x60"
    colours=$(colours_at "$hog") && numbers "$colours" || fail "no picture of the hedgehog's place"
    [ "$colours" -gt 1 ] || fail "no hedgehog at its start"
    wtype -k Left -k Left -k Left
    plain() { local c; c=$(colours_at "$1") && [ "$c" = 1 ]; }
    within 10 plain "$hog" || fail "the arrows did not move the hedgehog"
    [ -n "${E2E_SHOTS:-}" ] && grim "$E2E_SHOTS/wayland-game-$scale.png"

    wtype p
    window " - Paused\$" >/dev/null || fail "P did not pause"
    wtype p
    window "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" >/dev/null || fail "P did not resume"

    # Up into the red cars' lane, and stay there until one comes.
    wtype -k Up
    window " - Lives: 2 - " >/dev/null || fail "no death in traffic"

    close_window "^Quillway - Game"
    focused "^Quit during a game\\?\$" || fail "no close question with the focus"
    wtype -k Escape # No
    gone "^Quit during a game\\?\$" || fail "the question stayed open"
    find_window "^Quillway - Game - " >/dev/null || fail "the game window went after No"
    close_window "^Quillway - Game"
    focused "^Quit during a game\\?\$" || fail "no close question the second time"
    wtype -k Return # Yes
    gone "^Quillway - Game" || fail "the game window stayed after Yes"
    focused "^Quillway - Main Menu\$" || fail "the menu is not active after leaving"

    menu=$(ready_window "^Quillway - Main Menu\$") || fail "the menu is not drawn with the focus"
    click "$menu" 152 204 # Rules
    focused "^Quillway - Rules\$" || fail "no rules window with the focus"
    close_window "^Quillway - Rules\$"
    gone "^Quillway - Rules\$" || fail "the rules window stayed"
    menu=$(ready_window "^Quillway - Main Menu\$") || fail "the menu is not active after the rules"

    click "$menu" 152 268 # Quit
    focused "^Quit Quillway\\?\$" || fail "no quit question with the focus"
    wtype -k Return # Yes
    expect_exit 0
    [ "$scale" -ne 1 ] || fixed_and_terminated
    stop_session
    echo "output scale $scale: played"
}

play 1
play 2
echo "PASS"
