#include "platform/KeyboardLock.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace {
int s_nHandle = 0;
int s_nNextHandle = 1;
GdkSeat* s_pGrabbedSeat = nullptr;

void Ungrab() {
    if (s_pGrabbedSeat != nullptr) {
        gdk_seat_ungrab(s_pGrabbedSeat);
        g_object_unref(s_pGrabbedSeat);
        s_pGrabbedSeat = nullptr;
        gdk_display_flush(gdk_display_get_default());
    }
}

bool TryGrab(GtkWidget* widget) {
    GdkWindow* gdkWindow = gtk_widget_get_window(widget);
    if (gdkWindow == nullptr || !gdk_window_is_viewable(gdkWindow)) {
        return false;
    }
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(gdkWindow));
    GdkGrabStatus status = gdk_seat_grab(seat, gdkWindow, GDK_SEAT_CAPABILITY_KEYBOARD, TRUE,
                                         nullptr, nullptr, nullptr, nullptr);
    if (status != GDK_GRAB_SUCCESS) {
        return false;
    }
    s_pGrabbedSeat = GDK_SEAT(g_object_ref(seat));
    gdk_display_flush(gdk_window_get_display(gdkWindow));
    return true;
}

// A window is grabbable only once the window manager has mapped it, and another program
// may hold the keyboard for a moment: the grab is tried again for a few seconds.
GtkWidget* s_pPending = nullptr;
guint s_nRetrySource = 0;
int s_nTries = 0;
constexpr guint kRetryMs = 10;
constexpr int kMaxTries = 500;

void StopRetrying() {
    if (s_nRetrySource != 0) {
        g_source_remove(s_nRetrySource);
        s_nRetrySource = 0;
    }
    if (s_pPending != nullptr) {
        g_object_unref(s_pPending);
        s_pPending = nullptr;
    }
}

gboolean Retry(gpointer) {
    if (s_nHandle != 0 && s_pPending != nullptr && !TryGrab(s_pPending) && ++s_nTries < kMaxTries) {
        return G_SOURCE_CONTINUE;
    }
    s_nRetrySource = 0;
    StopRetrying();
    return G_SOURCE_REMOVE;
}
}  // namespace

int TakeKeyboardLock() {
    StopRetrying();
    Ungrab();
    s_nHandle = s_nNextHandle++;
    return s_nHandle;
}

bool GrabKeyboardFor(wxWindow* window) {
    if (s_nHandle == 0 || window == nullptr || window->GetHandle() == nullptr) {
        return false;
    }
    StopRetrying();
    Ungrab();
    GtkWidget* widget = window->GetHandle();
    if (TryGrab(widget)) {
        return true;
    }
    s_pPending = GTK_WIDGET(g_object_ref(widget));
    s_nTries = 0;
    s_nRetrySource = g_timeout_add(kRetryMs, Retry, nullptr);
    return false;
}

void ReleaseKeyboardLock(int handle) {
    if (handle != 0 && handle == s_nHandle) {
        s_nHandle = 0;
    }
    StopRetrying();
    Ungrab();
}

bool KeyboardLockHeld() {
    return s_nHandle != 0;
}

bool KeyboardGrabbed() {
    return s_pGrabbedSeat != nullptr;
}
