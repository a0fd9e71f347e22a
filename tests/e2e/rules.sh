#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end: Rules opens the rules window with its text; its close box
# closes it, and the menu is active again with its animation running.
# Usage: rules.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_rules "$menu"
rules=$(window_named "Quillway - Rules") || fail "no rules window"
# The text: dark letters fill the middle of the window, below the chase,
# once it is drawn.
ink() {
    import -window "$1" png:- | convert - -crop 280x150+10+130 +repage -colorspace Gray \
        -threshold 30% -negate -format '%[fx:mean]' info:
}
inked() { awk -v ink="$(ink "$1")" 'BEGIN { exit !(ink > 0.02) }'; }
within 10 inked "$rules" || fail "no text in the rules window (ink $(ink "$rules"))"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/rules.png"

click_close_box "$rules"
window_gone "Quillway - Rules" || fail "the close box left the rules window open"
becomes_active "$menu" || fail "the menu is not active after the rules"
animated "$menu" || fail "the menu's animation stands still"

quit_from_menu "$menu"
expect_exit 0
echo "PASS"
