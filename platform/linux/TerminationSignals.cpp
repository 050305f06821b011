#include "platform/TerminationSignals.h"

#include <glib-unix.h>
#include <gtk/gtk.h>
#include <poll.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#include <wayland-client.h>
#endif

#include <csignal>
#include <vector>

namespace {
std::function<void(Termination)> s_handler;
std::vector<guint> s_sources;

void CallHandler(Termination why) {
    try {
        if (s_handler) {
            s_handler(why);
        }
    } catch (...) {
        // Nothing may cross into GLib; the next signal tries again.
    }
}

// GLib turns the signal into an event of the main loop, where the handler may do anything.
gboolean OnSignal(gpointer) {
    CallHandler(Termination::Asked);
    return G_SOURCE_CONTINUE;
}

int DisplayConnection() {
    GdkDisplay* display = gdk_display_get_default();
#ifdef GDK_WINDOWING_X11
    if (display != nullptr && GDK_IS_X11_DISPLAY(display)) {
        return ConnectionNumber(GDK_DISPLAY_XDISPLAY(display));
    }
#endif
#ifdef GDK_WINDOWING_WAYLAND
    if (display != nullptr && GDK_IS_WAYLAND_DISPLAY(display)) {
        return wl_display_get_fd(gdk_wayland_display_get_wl_display(display));
    }
#endif
    return -1;
}

// The display's watch is looked at before anything else of the event loop, even before the
// toolkit's own events are prepared: a toolkit that meets the lost connection first ends the
// process without saving anything.
gboolean PrepareDisplayWatch(GSource*, gint* timeout) {
    *timeout = -1;
    return DisplayConnectionLost();
}
gboolean CheckDisplayWatch(GSource*) {
    return DisplayConnectionLost();
}
gboolean DispatchDisplayWatch(GSource*, GSourceFunc, gpointer) {
    CallHandler(Termination::DisplayLost);
    return G_SOURCE_REMOVE;  // told once
}
GSourceFuncs s_displayWatch = {
    PrepareDisplayWatch, CheckDisplayWatch, DispatchDisplayWatch, nullptr, nullptr, nullptr};

guint WatchDisplay() {
    const int fd = DisplayConnection();
    if (fd < 0) {
        return 0;
    }
    GSource* source = g_source_new(&s_displayWatch, sizeof(GSource));
    g_source_add_unix_fd(source, fd, static_cast<GIOCondition>(G_IO_HUP | G_IO_ERR));
    g_source_set_priority(source, G_PRIORITY_HIGH);
    const guint id = g_source_attach(source, nullptr);
    g_source_unref(source);
    return id;
}
}  // namespace

bool DisplayConnectionLost() {
    const int fd = DisplayConnection();
    if (fd < 0) {
        return false;
    }
#ifdef GDK_WINDOWING_WAYLAND
    GdkDisplay* display = gdk_display_get_default();
    if (GDK_IS_WAYLAND_DISPLAY(display) &&
        wl_display_get_error(gdk_wayland_display_get_wl_display(display)) != 0) {
        return true;
    }
#endif
    pollfd connection{fd, 0, 0};
    return ::poll(&connection, 1, 0) > 0 && (connection.revents & (POLLHUP | POLLERR | POLLNVAL));
}

void CallOnTerminationSignals(std::function<void(Termination)> handler) {
    StopCallingOnTerminationSignals();
    s_handler = std::move(handler);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        s_sources.push_back(g_unix_signal_add(signal, OnSignal, nullptr));
    }
    if (const guint display = WatchDisplay()) {
        s_sources.push_back(display);
    }
}

void StopCallingOnTerminationSignals() {
    for (guint source : s_sources) {
        g_source_remove(source);
    }
    s_sources.clear();
    s_handler = nullptr;
}
