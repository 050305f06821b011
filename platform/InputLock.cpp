#include "platform/InputLock.h"

#include <gtk/gtk.h>
#include <wx/event.h>
#include <wx/window.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#include <utility>

namespace {

int s_nHandle = 0;
int s_nNextHandle = 1;

// The window the lock holds input for, while the lock is held.
GtkWidget* s_pWidget = nullptr;
gulong s_nMapHandler = 0;
gulong s_nBrokenHandler = 0;
gulong s_nUnmapHandler = 0;
gulong s_nStateHandler = 0;
guint s_nWatch = 0;
guint s_nWatchPeriod = 0;
wxEvtHandler* s_pOwner = nullptr;
std::function<void()> s_onFailed;
bool s_bKeyboard = false;  // our grabs as last taken
bool s_bPointer = false;
gint64 s_nMissingSince = 0;  // monotonic microseconds; 0 while the grabs are held

// The watch runs often while the grabs are missing (the window manager has not mapped the
// window yet, another program holds the keyboard), then slowly.
constexpr guint kWatchMs = 10;
constexpr guint kSlowWatchMs = 200;
// How long the grabs may stay missing before the game gives up.
constexpr gint64 kGiveUpMicroseconds = 3 * G_USEC_PER_SEC;

// Another program may destroy the play window between our look at it and a request about
// it. The server then answers BadWindow, which the toolkit's handler would make the end of
// the program; the requests made between these two calls have their errors ignored.
void IgnoreXErrorsFrom(GdkDisplay* display) {
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        gdk_x11_display_error_trap_push(display);
    }
#endif
}
void IgnoreXErrorsUntilHere(GdkDisplay* display) {
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        gdk_x11_display_error_trap_pop_ignored(display);
    }
#endif
}

// Releases whatever we may hold; releasing what is not held does nothing.
void Ungrab() {
    s_bKeyboard = false;
    s_bPointer = false;
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr) {
        return;
    }
    IgnoreXErrorsFrom(display);
    gdk_seat_ungrab(gdk_display_get_default_seat(display));
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        XUngrabPointer(GDK_DISPLAY_XDISPLAY(display), CurrentTime);
    }
#endif
    gdk_display_flush(display);
    IgnoreXErrorsUntilHere(display);
}

// The keyboard through the toolkit (so it asks a Wayland compositor to hold its shortcuts
// too); on X11 the pointer as a grab of our own, which also keeps the pointer inside the
// window, so the window manager's own mouse actions (desktop switching on Alt + wheel) and
// other windows never see a click. A grab that is already ours is simply renewed.
bool TryGrab() {
    if (s_pWidget == nullptr) {
        return false;
    }
    GdkWindow* window = gtk_widget_get_window(s_pWidget);
    if (window == nullptr || !gdk_window_is_viewable(window)) {
        s_bKeyboard = s_bPointer = false;  // the server dropped them with the mapping
        return false;
    }
    GdkDisplay* display = gdk_window_get_display(window);
    IgnoreXErrorsFrom(display);
    GdkSeat* seat = gdk_display_get_default_seat(display);
    bool bX11 = false;
#ifdef GDK_WINDOWING_X11
    bX11 = GDK_IS_X11_WINDOW(window);
#endif
    if (!s_bKeyboard || !gdk_display_device_is_grabbed(display, gdk_seat_get_keyboard(seat))) {
        s_bKeyboard = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_KEYBOARD, TRUE, nullptr,
                                    nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS;
        // A Wayland client cannot grab the pointer: the compositor keeps it, and it gives a
        // full-screen window every click over it.
        s_bPointer = s_bKeyboard && !bX11;
    }
#ifdef GDK_WINDOWING_X11
    if (bX11) {
        const Window xid = GDK_WINDOW_XID(window);
        s_bPointer =
            XGrabPointer(GDK_DISPLAY_XDISPLAY(display), xid, True,
                         ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                         GrabModeAsync, xid, None, CurrentTime) == GrabSuccess;
    }
#endif
    gdk_display_flush(display);
    IgnoreXErrorsUntilHere(display);
    return s_bKeyboard && s_bPointer;
}

gboolean Watch(gpointer);

void StartWatch(guint period) {
    if (s_nWatch != 0) {
        g_source_remove(s_nWatch);
    }
    s_nWatchPeriod = period;
    s_nWatch = g_timeout_add(period, Watch, nullptr);
}

// Keeps the grabs and the window's place above the others for the whole game.
gboolean Watch(gpointer) {
    if (s_nHandle == 0 || s_pWidget == nullptr) {
        s_nWatch = 0;
        return G_SOURCE_REMOVE;
    }
    if (TryGrab()) {
        s_nMissingSince = 0;
        if (GdkWindow* window = gtk_widget_get_window(s_pWidget)) {
            GdkDisplay* display = gdk_window_get_display(window);
            IgnoreXErrorsFrom(display);
            gdk_window_raise(window);
            IgnoreXErrorsUntilHere(display);
        }
        if (s_nWatchPeriod != kSlowWatchMs) {
            StartWatch(kSlowWatchMs);
            return G_SOURCE_REMOVE;
        }
        return G_SOURCE_CONTINUE;
    }
    const gint64 now = g_get_monotonic_time();
    if (s_nMissingSince == 0) {
        s_nMissingSince = now;
    } else if (now - s_nMissingSince >= kGiveUpMicroseconds && s_onFailed) {
        // The owner ends the game from its own queue, where nothing of ours is running and
        // no exception reaches this C callback.
        try {
            s_pOwner->CallAfter(std::move(s_onFailed));
        } catch (...) {
            // No memory even for that: the watch goes on taking the grabs.
        }
        s_onFailed = nullptr;
    }
    if (s_nWatchPeriod != kWatchMs) {
        StartWatch(kWatchMs);
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

// The window came back (mapped again after a desktop switch) or lost a grab: take the
// grabs again at once.
gboolean OnMapOrGrabBroken(GtkWidget*, GdkEvent*, gpointer) {
    s_bKeyboard = s_bPointer = false;
    StartWatch(kWatchMs);
    return FALSE;
}

// Another program minimised or hid the window: it comes back and on top at once, and the
// grabs with it, rather than leaving the child free input until the lock gives up.
void Restore(GtkWidget* widget) {
    // A window the toolkit hides itself (the game is ending) is no longer visible to it.
    if (!GTK_IS_WINDOW(widget) || !gtk_widget_get_visible(widget)) {
        return;
    }
    GdkDisplay* display = gtk_widget_get_display(widget);
    IgnoreXErrorsFrom(display);
    gtk_window_deiconify(GTK_WINDOW(widget));
    gtk_window_present(GTK_WINDOW(widget));
    IgnoreXErrorsUntilHere(display);
    OnMapOrGrabBroken(widget, nullptr, nullptr);
}

gboolean OnUnmap(GtkWidget* widget, GdkEvent*, gpointer) {
    Restore(widget);
    return FALSE;
}

gboolean OnWindowState(GtkWidget* widget, GdkEventWindowState* event, gpointer) {
    if ((event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0) {
        Restore(widget);
    }
    return FALSE;
}

void StopWatching() {
    if (s_nWatch != 0) {
        g_source_remove(s_nWatch);
        s_nWatch = 0;
    }
    s_nWatchPeriod = 0;
    if (s_pWidget != nullptr) {
        if (s_nMapHandler != 0) {
            g_signal_handler_disconnect(s_pWidget, s_nMapHandler);
        }
        for (gulong handler : {s_nBrokenHandler, s_nUnmapHandler, s_nStateHandler}) {
            if (handler != 0) {
                g_signal_handler_disconnect(s_pWidget, handler);
            }
        }
        g_object_unref(s_pWidget);
        s_pWidget = nullptr;
    }
    s_nMapHandler = s_nBrokenHandler = s_nUnmapHandler = s_nStateHandler = 0;
    s_pOwner = nullptr;
    s_onFailed = nullptr;
    s_nMissingSince = 0;
}

}  // namespace

int TakeInputLock() {
    StopWatching();
    Ungrab();
    s_nHandle = s_nNextHandle++;
    return s_nHandle;
}

bool GrabInputFor(wxWindow* window, wxEvtHandler* owner, std::function<void()> onFailed) {
    if (s_nHandle == 0 || window == nullptr || window->GetHandle() == nullptr || owner == nullptr) {
        return false;
    }
    StopWatching();
    Ungrab();
    s_pWidget = GTK_WIDGET(g_object_ref(window->GetHandle()));
    GdkDisplay* display = gtk_widget_get_display(s_pWidget);
    IgnoreXErrorsFrom(display);
    gtk_widget_add_events(s_pWidget, GDK_STRUCTURE_MASK);
    IgnoreXErrorsUntilHere(display);
    s_nMapHandler =
        g_signal_connect(s_pWidget, "map-event", G_CALLBACK(OnMapOrGrabBroken), nullptr);
    s_nBrokenHandler =
        g_signal_connect(s_pWidget, "grab-broken-event", G_CALLBACK(OnMapOrGrabBroken), nullptr);
    s_nUnmapHandler = g_signal_connect(s_pWidget, "unmap-event", G_CALLBACK(OnUnmap), nullptr);
    s_nStateHandler =
        g_signal_connect(s_pWidget, "window-state-event", G_CALLBACK(OnWindowState), nullptr);
    s_pOwner = owner;
    s_onFailed = std::move(onFailed);
    const bool bGrabbed = TryGrab();
    if (!bGrabbed) {
        s_nMissingSince = g_get_monotonic_time();
    }
    StartWatch(bGrabbed ? kSlowWatchMs : kWatchMs);
    return bGrabbed;
}

void ReleaseInputLock(int handle) {
    if (handle != 0 && handle == s_nHandle) {
        s_nHandle = 0;
    }
    StopWatching();
    Ungrab();
}

bool InputLockHeld() {
    return s_nHandle != 0;
}

bool InputGrabbed() {
    return s_bKeyboard && s_bPointer;
}
