#!/usr/bin/python3
"""X clients that the lock tests play against a running game.

  xprobe.py keys TOKEN...          presses hardware keys through XTEST: dN presses key code
                                   N, uN releases it, tN taps it (as a keyboard of any layout)
  xprobe.py close WINDOW           asks WINDOW to close, as a window manager or a task bar does
  xprobe.py record FILE            counts every key press and button press that the server
                                   delivers to any client (X RECORD) until FILE.stop exists,
                                   then writes the count to FILE ("ready" while counting);
                                   the game takes its input as XInput 2 events, so any core
                                   delivery is one that escaped it
  xprobe.py witness FILE           maps an "always on top" window over the middle of the
                                   screen, as a notification would, and writes to FILE how
                                   many key presses and clicks reached it once FILE.stop
                                   exists
  xprobe.py titles                 prints the id and the UTF-8 title of each mapped window,
                                   a line each, whatever the locale (xdotool matches only
                                   titles the locale can spell)
"""
import os
import sys
import threading
import time

from Xlib import X, display, protocol
from Xlib.ext import record, xtest


def keys(tokens):
    d = display.Display()
    for token in tokens:
        kind, code = token[0], int(token[1:])
        if kind in "dt":
            xtest.fake_input(d, X.KeyPress, code)
        if kind in "ut":
            xtest.fake_input(d, X.KeyRelease, code)
        d.sync()
        time.sleep(0.04)


def close(window_id):
    d = display.Display()
    window = d.create_resource_object("window", window_id)
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    # And the way task bars and window managers' own actions ask.
    net_close = protocol.event.ClientMessage(
        window=window, client_type=d.intern_atom("_NET_CLOSE_WINDOW"),
        data=(32, [X.CurrentTime, 2, 0, 0, 0]))
    d.screen().root.send_event(
        net_close, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    d.sync()


def stopped(path):
    return os.path.exists(path + ".stop")


def record_deliveries(path):
    control = display.Display()
    source = display.Display()
    if not source.has_extension("RECORD"):
        sys.exit("no RECORD extension")
    context = source.record_create_context(0, [record.AllClients], [{
        "core_requests": (0, 0), "core_replies": (0, 0),
        "ext_requests": (0, 0, 0, 0), "ext_replies": (0, 0, 0, 0),
        "delivered_events": (X.KeyPress, X.ButtonRelease), "device_events": (0, 0),
        "errors": (0, 0), "client_started": False, "client_died": False}])
    count = [0]

    def seen(reply):
        if reply.category != record.FromServer or reply.client_swapped:
            return
        data = reply.data
        while len(data) >= 32:
            event, data = protocol.rq.EventField(None).parse_binary_value(
                data, source.display, None, None)
            if event.type in (X.KeyPress, X.ButtonPress):
                count[0] += 1

    def stop():
        while not stopped(path):
            time.sleep(0.05)
        control.record_disable_context(context)
        control.flush()

    threading.Thread(target=stop, daemon=True).start()
    with open(path, "w") as out:
        out.write("ready\n")
    source.record_enable_context(context, seen)
    source.record_free_context(context)
    with open(path, "w") as out:
        out.write("%d\n" % count[0])


def witness(path):
    d = display.Display()
    screen = d.screen()
    window = screen.root.create_window(
        screen.width_in_pixels // 4, screen.height_in_pixels // 4,
        screen.width_in_pixels // 2, screen.height_in_pixels // 2, 0, screen.root_depth,
        background_pixel=screen.white_pixel,
        event_mask=X.KeyPressMask | X.ButtonPressMask)
    window.set_wm_name("Witness")
    state = d.intern_atom("_NET_WM_STATE")
    window.change_property(state, d.intern_atom("ATOM"), 32,
                           [d.intern_atom("_NET_WM_STATE_ABOVE")])
    window.map()
    window.raise_window()
    d.sync()
    count = 0
    with open(path, "w") as out:
        out.write("ready\n")
    while not stopped(path):
        while d.pending_events():
            if d.next_event().type in (X.KeyPress, X.ButtonPress):
                count += 1
        time.sleep(0.02)
    with open(path, "w") as out:
        out.write("%d\n" % count)


def titles():
    d = display.Display()
    name, utf8 = d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING")

    def visit(window):
        for child in window.query_tree().children:
            if child.get_attributes().map_state == X.IsViewable:
                title = child.get_full_property(name, utf8)
                if title is not None:
                    print("%d %s" % (child.id, title.value.decode("utf-8", "replace")))
            visit(child)

    visit(d.screen().root)


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    if command == "keys":
        keys(args)
    elif command == "close":
        close(int(args[0], 0))
    elif command == "record":
        record_deliveries(args[0])
    elif command == "witness":
        witness(args[0])
    elif command == "titles":
        titles()
    else:
        sys.exit(__doc__)
