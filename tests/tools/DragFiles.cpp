// Plays a file manager that drags files: a small window, "Files to drop", at the top left whose
// whole face can be dragged, offering the given files as a "text/uri-list".
//   drag_files FILE...
// It prints "ready" once it is shown, then "dropped" or "refused" as each drag ends, and
// runs until it is killed. Exit status 2 without a display.
#include <gtk/gtk.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> s_uris;
bool s_bFailed = false;

void OnDataGet(GtkWidget*, GdkDragContext*, GtkSelectionData* data, guint, guint, gpointer) {
    std::vector<gchar*> uris;
    for (std::string& uri : s_uris) {
        uris.push_back(uri.data());
    }
    uris.push_back(nullptr);
    gtk_selection_data_set_uris(data, uris.data());
}

void OnBegin(GtkWidget*, GdkDragContext*, gpointer) {
    s_bFailed = false;
}

gboolean OnFailed(GtkWidget*, GdkDragContext*, GtkDragResult, gpointer) {
    s_bFailed = true;
    std::puts("refused");
    std::fflush(stdout);
    return TRUE;  // no animation back to the source
}

void OnEnd(GtkWidget*, GdkDragContext*, gpointer) {
    if (!s_bFailed) {
        std::puts("dropped");
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!gtk_init_check(&argc, &argv)) {
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        gchar* uri = g_filename_to_uri(argv[i], nullptr, nullptr);
        if (uri != nullptr) {
            s_uris.emplace_back(uri);
        }
        g_free(uri);
    }
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Files to drop");
    gtk_window_set_default_size(GTK_WINDOW(window), 160, 100);
    gtk_window_move(GTK_WINDOW(window), 0, 0);
    GtkWidget* face = gtk_event_box_new();
    gtk_container_add(GTK_CONTAINER(window), face);
    gtk_container_add(GTK_CONTAINER(face), gtk_label_new("files"));
    gtk_drag_source_set(face, GDK_BUTTON1_MASK, nullptr, 0, GDK_ACTION_COPY);
    gtk_drag_source_add_uri_targets(face);
    g_signal_connect(face, "drag-begin", G_CALLBACK(OnBegin), nullptr);
    g_signal_connect(face, "drag-data-get", G_CALLBACK(OnDataGet), nullptr);
    g_signal_connect(face, "drag-failed", G_CALLBACK(OnFailed), nullptr);
    g_signal_connect(face, "drag-end", G_CALLBACK(OnEnd), nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_widget_show_all(window);
    std::puts("ready");
    std::fflush(stdout);
    gtk_main();
    return 0;
}
