# The desktop portal's settings as a GNOME session hands them out, for a
# test session that has no portal: Qt's Adwaita window decoration reads the
# title bar's buttons from here. Each read is written to the log.
#   portal.py LOG       prints "ready" once it owns the portal's name
import sys

from gi.repository import Gio, GLib

SETTINGS = {
    "org.gnome.desktop.wm.preferences": {"button-layout": GLib.Variant("s", "appmenu:close")},
    "org.freedesktop.appearance": {"color-scheme": GLib.Variant("u", 0)},
}
INTERFACE = """<node><interface name="org.freedesktop.portal.Settings">
  <method name="ReadAll"><arg type="as" direction="in"/>
    <arg type="a{sa{sv}}" direction="out"/></method>
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <method name="ReadOne"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
  <property name="version" type="u" access="read"/>
</interface></node>"""
log = open(sys.argv[1], "a", buffering=1)


def call(connection, sender, path, interface, method, args, invocation):
    args = args.unpack()
    log.write(f"{method} {args}\n")
    if method == "ReadAll":
        wanted = {ns: values for ns, values in SETTINGS.items()
                  if not args[0] or any(ns.startswith(p.rstrip("*")) for p in args[0])}
        invocation.return_value(GLib.Variant("(a{sa{sv}})", (wanted,)))
        return
    value = SETTINGS.get(args[0], {}).get(args[1])
    if value is None:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound",
                                     "Requested setting not found")
    elif method == "Read":  # the first version's answer: a variant in a variant
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", value),)))
    else:
        invocation.return_value(GLib.Variant("(v)", (value,)))


def acquired(connection, name):
    node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
    connection.register_object("/org/freedesktop/portal/desktop", node.interfaces[0], call,
                               lambda *_: GLib.Variant("u", 2), None)
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, None, acquired, lambda *_: sys.exit("name lost"))
GLib.MainLoop().run()
