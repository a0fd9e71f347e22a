#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build folder, unpacks it into a scratch
# folder and checks its tree, its control fields and its desktop files, and
# that lintian finds neither error nor warning. Usage: deb.sh build-folder
set -euo pipefail
build=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack failed"; }
deb=$(ls "$tmp"/out/quillway_*_*.deb)
dpkg-deb -x "$deb" "$tmp/root"

expected="usr/games/quillway
usr/games/quillway-launcher
usr/share/applications/org.quillway.Quillway.desktop
usr/share/doc/quillway/changelog.gz
usr/share/doc/quillway/copyright"
for size in 128 16 256 32 48 64; do
    expected+="
usr/share/icons/hicolor/${size}x${size}/apps/org.quillway.Quillway.png
usr/share/icons/hicolor/${size}x${size}@2/apps/org.quillway.Quillway.png"
done
expected+="
usr/share/man/man6/quillway-launcher.6.gz
usr/share/man/man6/quillway.6.gz
usr/share/metainfo/org.quillway.Quillway.metainfo.xml"
tree=$(cd "$tmp/root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$tree" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "unexpected tree:$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$tree"))"
for program in quillway quillway-launcher; do
    [ -x "$tmp/root/usr/games/$program" ] || fail "usr/games/$program is not executable"
done

field() { dpkg-deb -f "$deb" "$1"; }
for lib in fonts-liberation2 libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0; do
    [[ ", $(field Depends)" == *", $lib"* ]] || fail "Depends lacks $lib: $(field Depends)"
done
[ "$(field Recommends)" = "qt6-wayland, fonts-wqy-microhei, qt6-translations-l10n" ] || fail "Recommends: $(field Recommends)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" == *"<"*@*">" ]] || fail "Maintainer: $(field Maintainer)"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"

entry="$tmp/root/usr/share/applications/org.quillway.Quillway.desktop"
grep -qx 'Exec=/usr/games/quillway-launcher' "$entry" || fail "$(grep Exec "$entry")"
desktop-file-validate "$entry" || fail "desktop file"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/org.quillway.Quillway.metainfo.xml" >"$tmp/as.log" ||
    { cat "$tmp/as.log"; fail "metainfo"; }

lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian"
echo "PASS"
