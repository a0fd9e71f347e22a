#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a screen reader finds of the running game, through AT-SPI.
#   atspi.py items TITLE         prints all within the window, "role: name"
#   atspi.py press TITLE NAME    invokes a push button's default action
#   atspi.py hear SECONDS        prints the notifications read out meanwhile
# TITLE is the start of the window's title. Waits up to 20 s for the window;
# status 1 when it or the button is missing.
import sys
import time

import pyatspi
from gi.repository import GLib


def window(title):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for frame in app or []:
                if frame is not None and frame.name.startswith(title):
                    return frame
        time.sleep(0.1)
    sys.exit(f"no window {title!r} among the accessible applications within 20 s")


def within(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        yield child
        yield from within(child)


def hear(seconds):
    def heard(event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            print(event.source.name, flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


def main():
    command, title = sys.argv[1], sys.argv[2]
    if command == "hear":
        return hear(float(title))
    children = list(within(window(title)))
    if command == "items":
        for child in children:
            print(f"{child.getRoleName()}: {child.name}")
    elif command == "press":
        for child in children:
            if child.name == sys.argv[3] and child.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                action = child.queryAction()
                action.doAction(0)
                return
        sys.exit(f"no push button {sys.argv[3]!r} in {title!r}")


main()
