#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end at a display scale of 2: the game window has twice the pixels
# each way, and the hedgehog on the screen is drawn from its drawing at twice
# the pixels, not from the small one enlarged.
# Usage: hidpi.sh path/to/quillway path/to/assets
set -euo pipefail
export E2E_SCREEN=1280x1024x24 # the game window alone is 1022 x 866
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
game=$1
pictures=$2/pictures
export QT_SCALE_FACTOR=2

start_game "$game"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu"
click_new_game "$menu"
game_window=$(window_named "Quillway - Game.*") || fail "no game window"
title_matches "^Quillway - Game - Score: -[0-9]+ - Lives: 3 - Level: 1\$" || fail "the countdown does not run"

shot="$e2e_tmp/game.png"
import -window "$game_window" "$shot"
[ "$(identify -format %wx%h "$shot")" = 1022x866 ] || fail "game window $(identify -format %wx%h "$shot"), not 1022x866"
[ -n "${E2E_SHOTS:-}" ] && cp "$shot" "$E2E_SHOTS/game-scale2.png"

# The hedgehog's 49 x 60 logical pixels at (224, 368), twice over; compared
# with each drawing brought to that size, it must be nearer the fine one.
convert "$shot" -crop 98x120+448+736 +repage "$e2e_tmp/hog.png"
distance() {
    convert "$1" -resize '98x120!' "$e2e_tmp/reference.png"
    # compare's status is 1 whenever the pictures differ at all.
    { compare -metric RMSE "$e2e_tmp/hog.png" "$e2e_tmp/reference.png" null: 2>&1 || true; } |
        sed -n 's/.*(\(.*\))/\1/p'
}
fine=$(distance "$pictures/hog@2x.bmp")
coarse=$(distance "$pictures/hog.bmp")
echo "hedgehog against the 2x drawing: $fine, against the 1x drawing enlarged: $coarse"
awk -v f="$fine" -v c="$coarse" 'BEGIN { exit !(f < c / 2) }' ||
    fail "the hedgehog is not drawn from its 2x picture ($fine against $coarse)"

quit_from_menu "$menu"
expect_exit 0
echo "PASS"
