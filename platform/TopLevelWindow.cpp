#include "platform/TopLevelWindow.h"

#include <gtk/gtk.h>
#include <wx/window.h>

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

void AskForFullScreen(wxWindow* topLevel) {
    GtkWidget* widget = topLevel != nullptr ? topLevel->GetHandle() : nullptr;
    if (widget != nullptr && GTK_IS_WINDOW(widget)) {
        gtk_window_fullscreen(GTK_WINDOW(widget));
    }
}
