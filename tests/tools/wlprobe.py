#!/usr/bin/python3
"""Wayland clients that the lock tests play against a running game.

  wlprobe.py witness FILE          opens a window titled "Witness" and appends one line to
                                   FILE for every key press and click that reaches it
  wlprobe.py mutter-keys           a GNOME compositor's RemoteDesktop session on the session
                                   bus, typing what standard input asks, a command a line:
                                   "chord KEY..." presses the keys in turn and lets them go in
                                   reverse, "type TEXT" taps each character, "sleep SECONDS";
                                   "ready" is printed once the session runs. The session ends
                                   with this program, so one program types everything.
"""
import sys
import time


def witness(path):
    import gi

    gi.require_version("Gtk", "3.0")
    from gi.repository import Gtk

    def log(kind):
        with open(path, "a") as out:
            out.write(kind + "\n")
        return False

    window = Gtk.Window(title="Witness")
    window.set_default_size(400, 300)
    window.connect("key-press-event", lambda *_: log("key"))
    window.connect("button-press-event", lambda *_: log("button"))
    window.connect("destroy", Gtk.main_quit)
    window.show_all()
    open(path, "a").close()
    Gtk.main()


def mutter_keys():
    import dbus
    import gi

    gi.require_version("Gdk", "3.0")
    from gi.repository import Gdk

    bus = dbus.SessionBus()
    # The compositor offers the interface a moment after its socket is there (a shell takes
    # longer on a loaded machine).
    for _ in range(300):
        try:
            remote = bus.get_object(
                "org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"
            )
            path = remote.CreateSession(dbus_interface="org.gnome.Mutter.RemoteDesktop")
            break
        except dbus.exceptions.DBusException:
            time.sleep(0.1)
    else:
        sys.exit("no RemoteDesktop interface")
    session = dbus.Interface(
        bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
        "org.gnome.Mutter.RemoteDesktop.Session",
    )
    session.Start()
    print("ready", flush=True)

    def keysym(name):
        return dbus.UInt32(Gdk.keyval_from_name(name))

    def press(name, down):
        session.NotifyKeyboardKeysym(keysym(name), dbus.Boolean(down))
        time.sleep(0.03)

    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        if words[0] == "chord":
            for name in words[1:]:
                press(name, True)
            for name in reversed(words[1:]):
                press(name, False)
        elif words[0] == "type":
            for char in " ".join(words[1:]):
                press(char, True)
                press(char, False)
        elif words[0] == "sleep":
            time.sleep(float(words[1]))
        print("done", flush=True)
    session.Stop()


if __name__ == "__main__":
    if sys.argv[1] == "witness":
        witness(sys.argv[2])
    elif sys.argv[1] == "mutter-keys":
        mutter_keys()
    else:
        sys.exit(__doc__)
