#include "platform/TopLevelWindow.h"

#include "platform/ScreenMetrics.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif
#include <wx/event.h>
#include <wx/window.h>

#include <cstdlib>
#include <memory>

void ExemptFromModalDialogs(wxWindow* topLevel) {
    GtkWidget* widget = topLevel != nullptr ? topLevel->GetHandle() : nullptr;
    if (widget == nullptr || !GTK_IS_WINDOW(widget)) {
        return;
    }
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(widget));
    g_object_unref(group);  // the window keeps the group alive
    // Window managers keep a modal dialog above every window of its program's group; the
    // play window leads a group of its own so that it can cover the dialog.
    gtk_widget_realize(widget);
    if (GdkWindow* gdkWindow = gtk_widget_get_window(widget)) {
        gdk_window_set_group(gdkWindow, gdkWindow);
    }
}

void AskForFullScreen(wxWindow* topLevel, int nMonitor) {
    GtkWidget* widget = topLevel != nullptr ? topLevel->GetHandle() : nullptr;
    if (widget == nullptr || !GTK_IS_WINDOW(widget)) {
        return;
    }
    GtkWindow* window = GTK_WINDOW(widget);
    gtk_window_set_keep_above(window, TRUE);
    gtk_window_stick(window);
    gtk_window_fullscreen_on_monitor(window, gtk_widget_get_screen(widget),
                                     nMonitor >= 0 ? nMonitor : GetPrimaryMonitorNumber());
}

namespace {
struct CloseWatch {
    wxEvtHandler* owner;
    std::function<void()> onClose;
};

// GTK would destroy a widget whose native window is gone under the toolkit's feet; the
// widget is kept and the owner told instead, once the event is over.
gboolean OnCloseOrDestroyEvent(GtkWidget*, GdkEvent*, gpointer data) {
    auto* watch = static_cast<CloseWatch*>(data);
    if (watch->onClose) {
        try {
            watch->owner->CallAfter(std::move(watch->onClose));
        } catch (...) {
            // No memory to queue it: the request is dropped, as a refused close would be.
        }
        watch->onClose = nullptr;
    }
    return TRUE;
}

}  // namespace

void WatchCloseRequests(wxWindow* topLevel, wxEvtHandler* owner, std::function<void()> onClose,
                        bool bRequests) {
    GtkWidget* widget = topLevel != nullptr ? topLevel->GetHandle() : nullptr;
    if (widget == nullptr || owner == nullptr) {
        return;
    }
    // The toolkit's own answer to a close request ignores it during the modal dialog, and it
    // runs first and stops the signal, so it goes. GLib disconnects nothing "matched" by the
    // signal alone (it wants a closure, function or data too); the handlers are found one by
    // one instead.
    const guint deleteEvent = g_signal_lookup("delete-event", GTK_TYPE_WIDGET);
    while (bRequests) {
        const gulong handler = g_signal_handler_find(widget, G_SIGNAL_MATCH_ID, deleteEvent, 0,
                                                     nullptr, nullptr, nullptr);
        if (handler == 0) {
            break;
        }
        g_signal_handler_disconnect(widget, handler);
    }
    // The handlers share the watch; it goes with the widget.
    CloseWatch* watch =
        std::make_unique<CloseWatch>(CloseWatch{owner, std::move(onClose)}).release();
    const GClosureNotify release = [](gpointer data, GClosure*) {
        delete static_cast<CloseWatch*>(data);
    };
    if (bRequests) {
        g_signal_connect_data(widget, "delete-event", G_CALLBACK(OnCloseOrDestroyEvent), watch,
                              nullptr, GConnectFlags(0));
    }
    g_signal_connect_data(widget, "destroy-event", G_CALLBACK(OnCloseOrDestroyEvent), watch,
                          release, GConnectFlags(0));
}

void StopWatchingCloseRequests(wxWindow* topLevel) {
    GtkWidget* widget = topLevel != nullptr ? topLevel->GetHandle() : nullptr;
    if (widget != nullptr) {
        g_signal_handlers_disconnect_matched(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                                             reinterpret_cast<gpointer>(OnCloseOrDestroyEvent),
                                             nullptr);
    }
}

void SurviveWindowsDestroyedByOthers() {
#ifdef GDK_WINDOWING_X11
    // The toolkit's error traps nest: one that is never closed takes every error that no
    // inner trap was set for, while the inner traps go on seeing their own.
    GdkDisplay* display = gdk_display_get_default();
    if (display != nullptr && GDK_IS_X11_DISPLAY(display)) {
        gdk_x11_display_error_trap_push(display);
    }
#endif
}

void NameTheProgram(const std::string& appId) {
    g_set_prgname(appId.c_str());
    // Left alone, the toolkit would make the class the name with a capital first letter.
    gdk_set_program_class(appId.c_str());
}

void DoWithoutOpenGL() {
    ::setenv("GDK_GL", "disable", 0);  // a setting of the user's own stands
}
