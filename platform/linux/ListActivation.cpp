#include "platform/ListActivation.h"

#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>
#include <wx/toplevel.h>
#include <wx/window.h>

namespace {

struct Watch {
    GtkWidget* list;  // the tree view that takes the keys
    std::function<void()> onEnter;
};

// Key presses reach the top-level window before the widget with the focus, and a window's
// "event" signal comes before its "key-press-event": this sees Enter before the toolkit's
// handlers, one of which passes it to the list, whose own handler also activates the
// default button.
gboolean OnWindowEvent(GtkWidget* window, GdkEvent* any, gpointer data) {
    if (any->type != GDK_KEY_PRESS) {
        return FALSE;
    }
    const GdkEventKey* event = &any->key;
    const auto* watch = static_cast<Watch*>(data);
    const bool bEnter = event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter ||
                        event->keyval == GDK_KEY_ISO_Enter;
    if (!bEnter || (event->state & gtk_accelerator_get_default_mod_mask()) != 0 ||
        gtk_window_get_focus(GTK_WINDOW(window)) != watch->list || !GTK_IS_TREE_VIEW(watch->list)) {
        return FALSE;
    }
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(watch->list));
    if (gtk_tree_selection_count_selected_rows(selection) == 0) {
        return FALSE;
    }
    watch->onEnter();
    return TRUE;
}

}  // namespace

void ActivateRowOnEnterOnly(wxWindow* list, std::function<void()> onEnter) {
    if (list == nullptr) {
        return;
    }
    wxWindow* top = wxGetTopLevelParent(list);
    GtkWidget* window = top != nullptr ? top->GetHandle() : nullptr;
    GtkWidget* scrolled = list->GetHandle();
    GtkWidget* tree = scrolled != nullptr && GTK_IS_BIN(scrolled)
                          ? gtk_bin_get_child(GTK_BIN(scrolled))
                          : scrolled;
    if (window == nullptr || !GTK_IS_WINDOW(window) || tree == nullptr) {
        return;
    }
    g_signal_connect_data(
        window, "event", G_CALLBACK(OnWindowEvent), new Watch{tree, std::move(onEnter)},
        [](gpointer data, GClosure*) { delete static_cast<Watch*>(data); }, GConnectFlags(0));
}
