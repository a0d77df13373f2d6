#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop services numora meets on a session bus, for end-to-end tests.

serve STATE_DIR     a notification area (org.kde.StatusNotifierWatcher: the
                    tray icon registers with it; each item's bus name is
                    written to STATE_DIR/items) and the desktop portal's
                    settings (org.freedesktop.portal.Settings: color-scheme
                    from STATE_DIR/scheme, 0 none, 1 dark, 2 light; SIGUSR1
                    reads it again and announces the change)
activate NAME       the tray icon's activation (a click on it)
click NAME LABEL    runs the tray menu's item LABEL
checked NAME LABEL  prints 1 when the item LABEL carries its check mark
"""
import os
import signal
import sys

from gi.repository import Gio, GLib

WATCHER_XML = """
<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""

PORTAL_XML = """
<node><interface name="org.freedesktop.portal.Settings">
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <method name="ReadAll"><arg type="as" direction="in"/><arg type="a{sa{sv}}" direction="out"/></method>
  <signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
  <property name="version" type="u" access="read"/>
</interface></node>"""


def serve(state):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    items = []

    def scheme():
        try:
            with open(os.path.join(state, "scheme")) as f:
                return int(f.read().strip() or 0)
        except (OSError, ValueError):
            return 0

    def watcher_call(conn, sender, path, iface, method, params, invocation):
        if method == "RegisterStatusNotifierItem":
            name = params.unpack()[0]
            if name.startswith("/"):
                name = sender
            items.append(name)
            with open(os.path.join(state, "items"), "a") as f:
                f.write(name + "\n")
            conn.emit_signal(None, path, iface, "StatusNotifierItemRegistered", GLib.Variant("(s)", (name,)))
        invocation.return_value(None)

    def watcher_get(conn, sender, path, iface, prop):
        return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
                "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
                "ProtocolVersion": GLib.Variant("i", 0)}[prop]

    def portal_call(conn, sender, path, iface, method, params, invocation):
        if method == "Read":
            group, key = params.unpack()
            if (group, key) == ("org.freedesktop.appearance", "color-scheme"):
                invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", GLib.Variant("u", scheme())),)))
            else:
                invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")
        else:
            invocation.return_value(GLib.Variant("(a{sa{sv}})", ({},)))

    def portal_get(conn, sender, path, iface, prop):
        return GLib.Variant("u", 1)

    watcher = Gio.DBusNodeInfo.new_for_xml(WATCHER_XML).interfaces[0]
    portal = Gio.DBusNodeInfo.new_for_xml(PORTAL_XML).interfaces[0]
    bus.register_object("/StatusNotifierWatcher", watcher, watcher_call, watcher_get, None)
    bus.register_object("/org/freedesktop/portal/desktop", portal, portal_call, portal_get, None)

    def changed():
        bus.emit_signal(None, "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings", "SettingChanged",
                        GLib.Variant("(ssv)", ("org.freedesktop.appearance", "color-scheme", GLib.Variant("u", scheme()))))
        return GLib.SOURCE_REMOVE

    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, changed)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: loop.quit() or GLib.SOURCE_REMOVE)
    loop = GLib.MainLoop()
    owned = []
    for name in ("org.kde.StatusNotifierWatcher", "org.freedesktop.portal.Desktop"):
        Gio.bus_own_name_on_connection(bus, name, Gio.BusNameOwnerFlags.NONE,
                                       lambda c, n: owned.append(n) or (len(owned) == 2 and open(
                                           os.path.join(state, "ready"), "w").close()), None)
    loop.run()


def call(name, path, iface, method, params, reply):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    return bus.call_sync(name, path, iface, method, params, GLib.VariantType(reply), Gio.DBusCallFlags.NONE,
                         5000, None).unpack()


def menu_items(name):
    _, layout = call(name, "/MenuBar", "com.canonical.dbusmenu", "GetLayout",
                     GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))")
    found = []

    def walk(node):
        ident, props, children = node
        found.append((ident, props))
        for child in children:
            walk(child)

    walk(layout)
    return found


def find_item(name, label):
    for ident, props in menu_items(name):
        if props.get("label", "").replace("_", "").replace("&", "") == label:
            return ident, props
    sys.exit("no menu item %r" % label)


def main():
    command, args = sys.argv[1], sys.argv[2:]
    if command == "serve":
        serve(args[0])
    elif command == "activate":
        call(args[0], "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate",
             GLib.Variant("(ii)", (0, 0)), "()")
    elif command == "click":
        ident, _ = find_item(args[0], args[1])
        call(args[0], "/MenuBar", "com.canonical.dbusmenu", "Event",
             GLib.Variant("(isvu)", (ident, "clicked", GLib.Variant("i", 0), 0)), "()")
    elif command == "checked":
        _, props = find_item(args[0], args[1])
        print(props.get("toggle-state", 0))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
