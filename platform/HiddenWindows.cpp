#include "platform/HiddenWindows.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#include <wx/event.h>

#include <algorithm>
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

// How long a message waits at most for the windows shown again to be drawn.
constexpr guint kWaitForDrawMs = 500;

CHiddenWindows::~CHiddenWindows() {
    ShowAgain();
    m_waiting.clear();  // the owner may be going too
    Flush();
}

void CHiddenWindows::HideAll() {
    Flush();
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
            g_signal_connect_after(hidden.widget, "draw", G_CALLBACK(OnDraw), this);
            m_returning.push_back(GTK_WIDGET(g_object_ref(hidden.widget)));
            gtk_widget_show(hidden.widget);
        }
        g_object_unref(hidden.widget);
    }
    m_hidden.clear();
}

void CHiddenWindows::WhenShown(wxEvtHandler* owner, std::function<void()> then) {
    if (m_returning.empty()) {
        then();
        return;
    }
    m_pOwner = owner;
    m_waiting.push_back(std::move(then));
    if (m_nTimeout == 0) {
        m_nTimeout = g_timeout_add(kWaitForDrawMs, OnTimeout, this);
    }
}

int CHiddenWindows::OnDraw(GtkWidget* widget, cairo_t*, void* self) {
    auto* windows = static_cast<CHiddenWindows*>(self);
    std::erase_if(windows->m_returning, [widget, self](GtkWidget* returning) {
        if (returning != widget) {
            return false;
        }
        g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnDraw), self);
        g_object_unref(widget);
        return true;
    });
    if (windows->m_returning.empty()) {
        windows->Flush();
    }
    return FALSE;
}

int CHiddenWindows::OnTimeout(void* self) {
    auto* windows = static_cast<CHiddenWindows*>(self);
    windows->m_nTimeout = 0;
    windows->Flush();
    return G_SOURCE_REMOVE;
}

// Nothing waits any longer: what waited is queued for the owner, which runs it from its own
// event queue, never from inside the toolkit's drawing.
void CHiddenWindows::Flush() {
    for (GtkWidget* widget : m_returning) {
        // A window destroyed meanwhile has lost its handlers already.
        g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnDraw), this);
        g_object_unref(widget);
    }
    m_returning.clear();
    if (m_nTimeout != 0) {
        g_source_remove(m_nTimeout);
        m_nTimeout = 0;
    }
    std::vector<std::function<void()>> waiting = std::move(m_waiting);
    m_waiting.clear();
    for (auto& then : waiting) {
        try {
            m_pOwner->CallAfter(std::move(then));
        } catch (...) {
            // No memory to queue it: the message is not shown; the game has ended all the same.
        }
    }
}
