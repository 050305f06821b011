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
}  // namespace

int TakeKeyboardLock() {
    Ungrab();
    s_nHandle = s_nNextHandle++;
    return s_nHandle;
}

bool GrabKeyboardFor(wxWindow* window) {
    if (s_nHandle == 0 || window == nullptr) {
        return false;
    }
    GtkWidget* widget = window->GetHandle();
    GdkWindow* gdkWindow = widget != nullptr ? gtk_widget_get_window(widget) : nullptr;
    if (gdkWindow == nullptr) {
        return false;
    }
    Ungrab();
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

void ReleaseKeyboardLock(int handle) {
    if (handle != 0 && handle == s_nHandle) {
        s_nHandle = 0;
    }
    Ungrab();
}

void ExemptFromModalDialogs(wxWindow* topLevel) {
    GtkWidget* widget = topLevel != nullptr ? topLevel->GetHandle() : nullptr;
    if (widget == nullptr || !GTK_IS_WINDOW(widget)) {
        return;
    }
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(widget));
    g_object_unref(group);  // the window keeps the group alive
}

bool KeyboardLockHeld() { return s_nHandle != 0; }

bool KeyboardGrabbed() { return s_pGrabbedSeat != nullptr; }
