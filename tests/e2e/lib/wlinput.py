#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plugs a virtual pointer and a virtual keyboard into a wlroots compositor's
seat and keeps them plugged in until it is stopped.

A headless compositor has no input devices, so its seat offers clients no
pointer and no keyboard, and the game would receive nothing. With these two
devices present, `swaymsg seat - cursor ...` moves and clicks the seat's
pointer and `wtype` types into the focused window, as a player would.

Speaks the Wayland wire protocol directly (the zwlr_virtual_pointer_v1 and
zwp_virtual_keyboard_v1 protocols), so it needs nothing beyond Python.
Prints "ready" once the compositor has both devices; exits when the
compositor goes away. Usage: WAYLAND_DISPLAY=... wlinput.py
"""
import array
import os
import socket
import struct
import sys

# The keyboard's keymap: a plain US layout, from the compositor's own XKB data.
KEYMAP = b"""xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols { include "pc+us+inet(evdev)" };
};
\0"""
KEYMAP_FORMAT_XKB_V1 = 1


class Connection:
    def __init__(self):
        runtime = os.environ["XDG_RUNTIME_DIR"]
        display = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(os.path.join(runtime, display))
        self.next_id = 2  # 1 is wl_display
        self.buffer = b""

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b"", fds=()):
        header = struct.pack("=II", obj, (8 + len(payload)) << 16 | opcode)
        ancillary = []
        if fds:
            ancillary = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))]
        self.sock.sendmsg([header + payload], ancillary)

    def events(self):
        """Yields (object, opcode, payload) for every event, as they come."""
        while True:
            while len(self.buffer) >= 8:
                obj, word = struct.unpack("=II", self.buffer[:8])
                size = word >> 16
                if len(self.buffer) < size:
                    break
                payload = self.buffer[8:size]
                self.buffer = self.buffer[size:]
                yield obj, word & 0xFFFF, payload
            data = self.sock.recv(65536)
            if not data:
                return
            self.buffer += data

    def roundtrip(self, handle):
        """Sends wl_display.sync and handles events until its callback is done."""
        callback = self.new_id()
        self.send(1, 0, struct.pack("=I", callback))
        for obj, opcode, payload in self.events():
            if obj == 1 and opcode == 0:  # wl_display.error
                _, code = struct.unpack("=II", payload[:8])
                sys.exit(f"wlinput: protocol error {code}: {string_at(payload, 8)[0]}")
            if obj == callback:
                return
            handle(obj, opcode, payload)
        sys.exit("wlinput: the compositor went away")


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def string_at(payload, offset):
    (length,) = struct.unpack_from("=I", payload, offset)
    text = payload[offset + 4 : offset + 4 + length - 1].decode()
    return text, offset + 4 + (length + 3) // 4 * 4


def main():
    wl = Connection()
    registry = wl.new_id()
    wl.send(1, 1, struct.pack("=I", registry))  # wl_display.get_registry

    globals_ = {}

    def on_global(obj, opcode, payload):
        if obj == registry and opcode == 0:
            (name,) = struct.unpack_from("=I", payload, 0)
            interface, offset = string_at(payload, 4)
            (version,) = struct.unpack_from("=I", payload, offset)
            globals_.setdefault(interface, (name, version))

    wl.roundtrip(on_global)
    wanted = ["wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1"]
    missing = [name for name in wanted if name not in globals_]
    if missing:
        sys.exit("wlinput: the compositor offers no " + ", ".join(missing))

    def bind(interface):
        name, _ = globals_[interface]
        obj = wl.new_id()
        wl.send(registry, 0, struct.pack("=I", name) + string(interface) + struct.pack("=II", 1, obj))
        return obj

    seat = bind("wl_seat")
    pointer_manager = bind("zwlr_virtual_pointer_manager_v1")
    keyboard_manager = bind("zwp_virtual_keyboard_manager_v1")
    wl.send(pointer_manager, 0, struct.pack("=II", seat, wl.new_id()))  # create_virtual_pointer
    keyboard = wl.new_id()
    wl.send(keyboard_manager, 0, struct.pack("=II", seat, keyboard))  # create_virtual_keyboard

    keymap = os.memfd_create("keymap")
    os.write(keymap, KEYMAP)
    wl.send(keyboard, 0, struct.pack("=I", KEYMAP_FORMAT_XKB_V1) + struct.pack("=I", len(KEYMAP)),
            fds=[keymap])  # keymap(format, fd, size): the fd travels beside the message
    os.close(keymap)
    wl.roundtrip(lambda *event: None)
    print("ready", flush=True)
    for obj, opcode, payload in wl.events():
        if obj == 1 and opcode == 0:
            sys.exit("wlinput: protocol error")


if __name__ == "__main__":
    main()
