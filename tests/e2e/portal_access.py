#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A desktop portal backend for the Access interface that grants every request at once.

The portal offers screenshots only where some Access backend is there to ask the user, and asks
it before a screenshot without a dialog when the screenshot backend leaves that permission to
the portal. In a test nobody is there to answer, so this one says yes and notes each question.

usage: portal_access.py BUS_NAME
"""

import sys

from gi.repository import Gio, GLib

OBJECT_PATH = "/org/freedesktop/portal/desktop"
INTERFACE = """
<node>
  <interface name="org.freedesktop.impl.portal.Access">
    <method name="AccessDialog">
      <arg type="o" name="handle" direction="in"/>
      <arg type="s" name="app_id" direction="in"/>
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="s" name="title" direction="in"/>
      <arg type="s" name="subtitle" direction="in"/>
      <arg type="s" name="body" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="u" name="response" direction="out"/>
      <arg type="a{sv}" name="results" direction="out"/>
    </method>
  </interface>
</node>
"""
GRANTED = 0


def answer(connection, sender, path, interface, method, parameters, invocation):
    print(f"granted: {parameters.unpack()[3]}", flush=True)
    invocation.return_value(GLib.Variant("(ua{sv})", (GRANTED, {})))


def main():
    loop = GLib.MainLoop()
    interface = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]

    def on_bus(connection, name):
        connection.register_object(OBJECT_PATH, interface, answer, None, None)

    def on_name_lost(connection, name):
        print(f"could not own {name} on the session bus", file=sys.stderr)
        loop.quit()

    Gio.bus_own_name(Gio.BusType.SESSION, sys.argv[1], Gio.BusNameOwnerFlags.NONE, on_bus,
                     None, on_name_lost)
    loop.run()
    return 1


if __name__ == "__main__":
    sys.exit(main())
