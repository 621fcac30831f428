#!/usr/bin/python3
"""A minimal StatusNotifier watcher and host, and a client that plays the host's part against one item.

  sni.py watch              serve org.kde.StatusNotifierWatcher with a host registered, until killed
  sni.py items              print the registered items, one a line
  sni.py tip ITEM           print the item's tooltip title
  sni.py menu ITEM          print the item's menu labels, one a line, a submenu's indented by two spaces
  sni.py click ITEM LABEL   send "clicked" to the menu item with that label
  sni.py activate ITEM      call the item's Activate, as a left click on the icon does
"""
import sys

import dbus
import dbus.service

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
INTROSPECTION = """<node>
 <interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
 </interface>
 <interface name="org.freedesktop.DBus.Properties">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
 </interface>
</node>"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        self.items = []
        self.hosts = []
        self._name = dbus.service.BusName(WATCHER, bus)
        super().__init__(self._name, "/StatusNotifierWatcher")

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names its service, or only its object path on the caller's connection.
        item = sender + service if service.startswith("/") else service + "/StatusNotifierItem"
        if item not in self.items:
            self.items.append(item)
            self.StatusNotifierItemRegistered(item)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        self.hosts.append(service)
        self.StatusNotifierHostRegistered()

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    # Qt reads the properties through the introspected interface, which dbus-python leaves without them.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(bool(self.hosts)),
            "ProtocolVersion": dbus.Int32(0),
        }


def watch():
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    host = dbus.service.BusName("org.kde.StatusNotifierHost-test", bus)
    watcher.RegisterStatusNotifierHost(host.get_name())
    GLib.MainLoop().run()


def item_object(bus, item):
    service, path = item.split("/", 1)
    return bus.get_object(service, "/" + path)


def menu_object(bus, item):
    service = item.split("/", 1)[0]
    path = item_object(bus, item).Get(ITEM, "Menu", dbus_interface=dbus.PROPERTIES_IFACE)
    return bus.get_object(service, path)


def layout(bus, item):
    _, root = menu_object(bus, item).GetLayout(0, -1, [], dbus_interface=MENU)
    return root


def walk(node, depth=0):
    """(depth, id, label) of every visible item below node, in menu order."""
    for child in node[2]:
        ident, props, _ = child
        if not props.get("visible", True) or props.get("type") == "separator":
            continue
        yield depth, int(ident), str(props.get("label", "")).replace("_", "")
        yield from walk(child, depth + 1)


def main(args):
    command = args[0]
    if command == "watch":
        return watch()
    bus = dbus.SessionBus()
    if command == "items":
        watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")
        for item in watcher.Get(WATCHER, "RegisteredStatusNotifierItems", dbus_interface=dbus.PROPERTIES_IFACE):
            print(item)
    elif command == "tip":
        _, _, title, _ = item_object(bus, args[1]).Get(ITEM, "ToolTip", dbus_interface=dbus.PROPERTIES_IFACE)
        print(title)
    elif command == "menu":
        for depth, _, label in walk(layout(bus, args[1])):
            print("  " * depth + label)
    elif command == "click":
        ids = [ident for _, ident, label in walk(layout(bus, args[1])) if label == args[2]]
        if not ids:
            sys.exit("no menu item " + args[2])
        menu_object(bus, args[1]).Event(ids[0], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0),
                                        dbus_interface=MENU)
    elif command == "activate":
        item_object(bus, args[1]).Activate(0, 0, dbus_interface=ITEM)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
