#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end, in German (LANGUAGE=de): the menu's title and items, a rules
# paragraph as a screen reader's client reads it, and the quit question with
# Qt's own buttons, all in German; Yes (Ja) ends the program. Then under the
# C locale, where LANGUAGE does not count, the same program speaks English.
# Usage: language.sh path/to/quillway
set -euo pipefail
source "$(dirname "$0")/lib/a11ysession.sh"
game=$1

start_game env LANGUAGE=de "$game"
menu=$(window_named "Quillway - Hauptmenü") || fail "no German main menu: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
items=$(reader items "Quillway - Hauptmenü") || fail "the reader found no menu: $(cat "$e2e_tmp/reader.log")"
for item in "Neues Spiel" Regeln Beenden; do
    grep -qx "push button: $item" <<<"$items" || fail "no push button $item in: $items"
done

click_rules "$menu"
rules=$(window_named "Quillway - Regeln") || fail "no German rules window"
text=$(reader items "Quillway - Regeln") || fail "the reader found no rules window"
grep -qx 'label: In höheren Levels läuft die Zeit schneller ab.' <<<"$text" || fail "no German last paragraph in: $text"
xdotool windowactivate --sync "$rules" 2>/dev/null || true
xdotool key Escape
window_gone "Quillway - Regeln" || fail "Escape left the rules window open"

click_quit "$menu"
window_named "Quillway beenden\\?" >/dev/null || fail "no German quit question"
box=$(reader items "Quillway beenden?") || fail "the reader found no quit question"
grep -qx 'label: Möchtest du das Spiel wirklich beenden?' <<<"$box" || fail "no German question in: $box"
for button in Ja Nein; do
    grep -qx "push button: &\\?$button" <<<"$box" || fail "no button $button in: $box"
done
reader press "Quillway beenden?" Ja || reader press "Quillway beenden?" "&Ja" || fail "cannot press Ja"
expect_exit 0

start_game env LC_ALL=C LANGUAGE=de "$game"
menu=$(window_named "Quillway - Main Menu") ||
    fail "LC_ALL=C LANGUAGE=de: no English main menu: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
quit_from_menu "$menu"
expect_exit 0
echo "PASS"
