#include "platform/HiddenWindows.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#include <ranges>

namespace {

// Whether the window is still there to be shown: another program may have destroyed it on
// the server while it was hidden, which the toolkit may not have heard of yet, and a window
// shown then would end the program with the server's error. Asked of the server itself.
bool StillThere(GdkWindow* window) {
    if (window == nullptr || gdk_window_is_destroyed(window)) {
        return false;
    }
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_WINDOW(window)) {
        GdkDisplay* display = gdk_window_get_display(window);
        gdk_x11_display_error_trap_push(display);
        XWindowAttributes attributes;
        const Status status = XGetWindowAttributes(GDK_DISPLAY_XDISPLAY(display),
                                                   GDK_WINDOW_XID(window), &attributes);
        return gdk_x11_display_error_trap_pop(display) == 0 && status != 0;
    }
#endif
    return true;
}

}  // namespace

CHiddenWindows::~CHiddenWindows() {
    ShowAgain();
}

void CHiddenWindows::HideAll() {
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        GtkWidget* widget = GTK_WIDGET(item->data);
        // Menus and tooltips are pop-ups that close by themselves.
        if (!gtk_widget_get_visible(widget) ||
            gtk_window_get_window_type(GTK_WINDOW(widget)) != GTK_WINDOW_TOPLEVEL) {
            continue;
        }
        Hidden hidden{GTK_WIDGET(g_object_ref(widget)), 0, 0};
        gtk_window_get_position(GTK_WINDOW(widget), &hidden.x, &hidden.y);
        m_hidden.push_back(hidden);
        gtk_widget_hide(widget);
    }
    g_list_free(windows);
}

void CHiddenWindows::ShowAgain() {
    for (const Hidden& hidden : m_hidden | std::views::reverse) {
        // A window destroyed in the meantime, by us or by another program, does not come back.
        if (!gtk_widget_in_destruction(hidden.widget) &&
            StillThere(gtk_widget_get_window(hidden.widget))) {
            gtk_window_move(GTK_WINDOW(hidden.widget), hidden.x, hidden.y);
            gtk_widget_show(hidden.widget);
        }
        g_object_unref(hidden.widget);
    }
    m_hidden.clear();
}
