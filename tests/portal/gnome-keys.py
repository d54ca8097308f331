#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Keys typed into GNOME as a keyboard would, through Mutter's remote desktop
# service (no dialog asks for it). The session lives as long as this
# program: each line read is a chord of evdev key codes, pressed in order and
# released in reverse; "sent" is printed after each.
#   gnome-keys.py < FIFO
import sys

from gi.repository import Gio, GLib

SERVICE = "org.gnome.Mutter.RemoteDesktop"


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def call(path, interface, method, args=None, reply=None):
        return bus.call_sync(SERVICE, path, interface, method, args,
                             GLib.VariantType(reply) if reply else None,
                             Gio.DBusCallFlags.NONE, -1, None)

    session = call("/org/gnome/Mutter/RemoteDesktop", SERVICE, "CreateSession",
                   reply="(o)").unpack()[0]
    call(session, SERVICE + ".Session", "Start")
    print("ready", flush=True)
    for line in sys.stdin:
        codes = [int(code) for code in line.split()]
        for code in codes:
            call(session, SERVICE + ".Session", "NotifyKeyboardKeycode",
                 GLib.Variant("(ub)", (code, True)))
        for code in reversed(codes):
            call(session, SERVICE + ".Session", "NotifyKeyboardKeycode",
                 GLib.Variant("(ub)", (code, False)))
        print("sent", flush=True)


if __name__ == "__main__":
    main()
