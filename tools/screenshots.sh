#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Takes the README's screenshots of the real program in a private X server:
#   tools/screenshots.sh build/quillway docs
set -euo pipefail
export E2E_SCREEN=1280x1024x24 # room for the game window at scale 2
source "$(dirname "$0")/../tests/e2e/lib/xsession.sh"
source "$(dirname "$0")/../tests/e2e/lib/player.sh"
game=$(realpath "$1")
out=$(realpath "$2")

shoot() { # window id, file: the window with its frame, as a player sees it
    import -frame -window "$1" "$2"
}

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
sleep 0.25 # the hedgehogs show for the first half second
shoot "$menu" "$out/menu-hedgehogs.png"
sleep 0.5 # then the cars
shoot "$menu" "$out/menu-cars.png"

click_rules "$menu"
rules=$(window_named "Quillway - Rules") || fail "no rules window"
sleep 3.3 # the chase well into the window
shoot "$rules" "$out/rules.png"

# A game two seconds in, the hedgehog two rows up; then the program ends.
shoot_game() { # menu window, file
    click_new_game "$1"
    game_window=$(window_named "Quillway - Game.*") || fail "no game window"
    xdotool windowactivate --sync "$game_window" 2>/dev/null || true
    sleep 2
    xdotool key Up Up
    sleep 0.4
    shoot "$game_window" "$2"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
}
shoot_game "$menu" "$out/game.png"

# The game again at a display scale of 2, as on most laptops now.
export QT_SCALE_FACTOR=2
start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu at scale 2"
shoot_game "$menu" "$out/game-scale2.png"

# The menu and the rules in German and in Japanese.
unset QT_SCALE_FACTOR
shoot_language() { # language, menu title, rules title
    start_game env LANGUAGE="$1" "$game"
    menu=$(window_named "$2") || fail "no main menu in $1"
    sleep 0.25
    shoot "$menu" "$out/menu-$1.png"
    click_rules "$menu"
    rules=$(window_named "$3") || fail "no rules window in $1"
    sleep 3.3
    shoot "$rules" "$out/rules-$1.png"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
}
shoot_language de "Quillway - Hauptmenü" "Quillway - Regeln"
shoot_language ja "Quillway - メインメニュー" "Quillway - ルール"
