#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Another program that binds a global shortcut through the desktop portal
# and keeps it: prints "held" once the desktop answered, then stays until
# killed. For the KDE check of a hot key another program holds.
#   portal-holder.py TRIGGER   (e.g. ALT+q)
import sys

from gi.repository import Gio, GLib

trigger = sys.argv[1]
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
sender = bus.get_unique_name()[1:].replace(".", "_")
portal = ("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop")
loop = GLib.MainLoop()
state = {}


def request(token, method, arguments, then):
    path = f"/org/freedesktop/portal/desktop/request/{sender}/{token}"

    def answered(_bus, _sender, _path, _iface, _signal, params):
        response, results = params.unpack()
        then(response, results)

    bus.signal_subscribe(portal[0], "org.freedesktop.portal.Request", "Response", path,
                         None, Gio.DBusSignalFlags.NO_MATCH_RULE, answered)
    bus.call_sync(portal[0], portal[1], "org.freedesktop.portal.GlobalShortcuts", method,
                  arguments, None, Gio.DBusCallFlags.NONE, -1, None)


def bound(response, results):
    print(f"held response={response}", flush=True)


def created(response, results):
    session = results["session_handle"]
    shortcut = ("hold", {"description": GLib.Variant("s", "Hold"),
                         "preferred_trigger": GLib.Variant("s", trigger)})
    request("holder2", "BindShortcuts",
            GLib.Variant("(oa(sa{sv})sa{sv})",
                         (session, [shortcut], "", {"handle_token": GLib.Variant("s", "holder2")})),
            bound)


request("holder1", "CreateSession",
        GLib.Variant("(a{sv})", ({"handle_token": GLib.Variant("s", "holder1"),
                                  "session_handle_token": GLib.Variant("s", "holder")},)),
        created)
loop.run()
