#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The game installed by `cmake --install` into a scratch prefix: its desktop
# files pass their validators; the desktop entry's command, the launcher,
# makes the high-score folder in an empty home and opens the menu; the game
# itself, started directly, makes none. Usage: installed.sh build-folder
set -euo pipefail
source "$(dirname "$0")/lib/xsession.sh"
source "$(dirname "$0")/lib/player.sh"
build=$1
prefix="$e2e_tmp/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
entry="$prefix/share/applications/org.quillway.Quillway.desktop"
desktop-file-validate "$entry" || fail "the installed desktop file"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quillway.Quillway.metainfo.xml" >/dev/null ||
    fail "the installed metainfo"
launcher=$(sed -n 's/^Exec=//p' "$entry")
[ "$launcher" = "$prefix/games/quillway-launcher" ] || fail "Exec=$launcher"

# The player's data folder from the home folder, as on most desktops.
unset XDG_DATA_HOME
data="$HOME/.local/share/quillway/data"
start_game "$launcher"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu from the launcher"
[ -d "$data" ] || fail "the launcher made no $data"
quit_from_menu "$menu"
expect_exit 0

rm -rf "$HOME" && mkdir "$HOME"
start_game "$prefix/games/quillway"
menu=$(window_named "Quillway - Main Menu") || fail "no main menu from the game"
quit_from_menu "$menu"
expect_exit 0
[ -e "$HOME/.local/share/quillway" ] && fail "the game made its data folder"
echo "PASS"
