#include "platform/HiddenWindows.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#include <wx/event.h>

#include <algorithm>
#include <ranges>
#include <vector>

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

struct CHiddenWindows::Windows {
    struct Hidden {
        GtkWidget* widget;  // a reference of ours
        int x, y;
    };
    std::vector<Hidden> hidden;
    std::vector<GtkWidget*> returning;  // shown again, not drawn yet; references of ours
    std::vector<std::function<void()>> waiting;
    wxEvtHandler* pOwner = nullptr;
    guint nTimeout = 0;

    static gboolean OnDraw(GtkWidget* widget, cairo_t*, gpointer self);
    static gboolean OnTimeout(gpointer self);
    void Flush();
};

CHiddenWindows::CHiddenWindows() : m_windows(std::make_unique<Windows>()) {}

CHiddenWindows::~CHiddenWindows() {
    ShowAgain();
    m_windows->waiting.clear();  // the owner may be going too
    m_windows->Flush();
}

void CHiddenWindows::HideAll() {
    m_windows->Flush();
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        GtkWidget* widget = GTK_WIDGET(item->data);
        // Menus and tooltips are pop-ups that close by themselves.
        if (!gtk_widget_get_visible(widget) ||
            gtk_window_get_window_type(GTK_WINDOW(widget)) != GTK_WINDOW_TOPLEVEL) {
            continue;
        }
        Windows::Hidden hidden{GTK_WIDGET(g_object_ref(widget)), 0, 0};
        gtk_window_get_position(GTK_WINDOW(widget), &hidden.x, &hidden.y);
        m_windows->hidden.push_back(hidden);
        gtk_widget_hide(widget);
    }
    g_list_free(windows);
}

void CHiddenWindows::ShowAgain() {
    Windows& w = *m_windows;
    for (const Windows::Hidden& hidden : w.hidden | std::views::reverse) {
        // A window destroyed in the meantime, by us or by another program, does not come back.
        if (!gtk_widget_in_destruction(hidden.widget) &&
            StillThere(gtk_widget_get_window(hidden.widget))) {
            gtk_window_move(GTK_WINDOW(hidden.widget), hidden.x, hidden.y);
            g_signal_connect_after(hidden.widget, "draw", G_CALLBACK(Windows::OnDraw), &w);
            w.returning.push_back(GTK_WIDGET(g_object_ref(hidden.widget)));
            gtk_widget_show(hidden.widget);
        }
        g_object_unref(hidden.widget);
    }
    w.hidden.clear();
}

void CHiddenWindows::WhenShown(wxEvtHandler* owner, std::function<void()> then) {
    Windows& w = *m_windows;
    if (w.returning.empty()) {
        then();
        return;
    }
    w.pOwner = owner;
    w.waiting.push_back(std::move(then));
    if (w.nTimeout == 0) {
        w.nTimeout = g_timeout_add(kWaitForDrawMs, Windows::OnTimeout, &w);
    }
}

gboolean CHiddenWindows::Windows::OnDraw(GtkWidget* widget, cairo_t*, gpointer self) {
    auto* windows = static_cast<Windows*>(self);
    std::erase_if(windows->returning, [widget, self](GtkWidget* returning) {
        if (returning != widget) {
            return false;
        }
        g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnDraw), self);
        g_object_unref(widget);
        return true;
    });
    if (windows->returning.empty()) {
        windows->Flush();
    }
    return FALSE;
}

gboolean CHiddenWindows::Windows::OnTimeout(gpointer self) {
    auto* windows = static_cast<Windows*>(self);
    windows->nTimeout = 0;
    windows->Flush();
    return G_SOURCE_REMOVE;
}

// Nothing waits any longer: what waited is queued for the owner, which runs it from its own
// event queue, never from inside the toolkit's drawing.
void CHiddenWindows::Windows::Flush() {
    for (GtkWidget* widget : returning) {
        // A window destroyed meanwhile has lost its handlers already.
        g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnDraw), this);
        g_object_unref(widget);
    }
    returning.clear();
    if (nTimeout != 0) {
        g_source_remove(nTimeout);
        nTimeout = 0;
    }
    std::vector<std::function<void()>> pending = std::move(waiting);
    waiting.clear();
    for (auto& then : pending) {
        try {
            pOwner->CallAfter(std::move(then));
        } catch (...) {
            // No memory to queue it: the message is not shown; the game has ended all the same.
        }
    }
}
