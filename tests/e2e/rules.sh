#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end: Rules opens the rules window with its text; its close box
# closes it, and the menu is active again with its animation running.
# Usage: rules.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
source "$(dirname "$0")/player.sh"
game=$1

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_rules "$menu"
rules=$(window_named "Quillway - Rules") || fail "no rules window"
# The text: dark letters fill the middle of the window, below the chase.
sleep 0.5
ink=$(import -window "$rules" png:- | convert - -crop 280x150+10+130 +repage -colorspace Gray \
    -threshold 30% -negate -format '%[fx:mean]' info:)
awk "BEGIN { exit !($ink > 0.02) }" || fail "no text in the rules window (ink $ink)"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/rules.png"

click_close_box "$rules"
window_gone "Quillway - Rules" || fail "the close box left the rules window open"
for _ in $(seq 20); do is_active "$menu" && break; sleep 0.1; done
is_active "$menu" || fail "the menu is not active after the rules"
animated "$menu" || fail "the menu's animation stands still"

quit_from_menu "$menu"
expect_exit 0
echo "PASS"
