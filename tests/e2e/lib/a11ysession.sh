# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# An X session (xsession.sh) on a D-Bus session of its own, with its own
# accessibility bus, for the tests that hear the game as a screen reader
# does. Sourced first thing by such a test, which it runs again inside the
# new bus; reader runs the AT-SPI listener (atspi.py).
if [ -z "${E2E_PRIVATE_BUS:-}" ]; then
    E2E_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'dbus-daemon\|SpiRegistry' >&2)
fi
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
source "$(dirname "${BASH_SOURCE[0]}")/player.sh"
# Qt speaks to screen readers when the desktop says one runs; here none does.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
reader() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@" 2>"$e2e_tmp/reader.log"; }
