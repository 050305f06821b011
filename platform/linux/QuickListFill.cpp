#include "platform/QuickListFill.h"

#include <gtk/gtk.h>
#include <wx/checklst.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

// The width of the widest row, from the width of each character.
int WidestRow(GtkWidget* view, const std::vector<std::string>& rows) {
    std::unique_ptr<PangoLayout, void (*)(gpointer)> layout(
        gtk_widget_create_pango_layout(view, nullptr), g_object_unref);
    std::unordered_map<gunichar, int> advance;
    int widest = 0;
    for (const std::string& text : rows) {
        if (!g_utf8_validate(text.c_str(), static_cast<gssize>(text.size()), nullptr)) {
            continue;
        }
        int sum = 0;
        for (const char* p = text.c_str(); *p != '\0'; p = g_utf8_next_char(p)) {
            auto [it, bNew] = advance.try_emplace(g_utf8_get_char(p), 0);
            if (bNew) {
                pango_layout_set_text(layout.get(), p, static_cast<int>(g_utf8_next_char(p) - p));
                int height = 0;
                pango_layout_get_pixel_size(layout.get(), &it->second, &height);
            }
            sum += it->second;
        }
        widest = std::max(widest, sum);
    }
    return widest;
}

}  // namespace

CQuickListFill::CQuickListFill(wxCheckListBox* list) : m_list(list) {
    GtkTreeView* view = m_list != nullptr ? m_list->m_treeview : nullptr;
    if (view != nullptr) {
        if (GtkTreeModel* model = gtk_tree_view_get_model(view)) {
            m_model = g_object_ref(model);
            gtk_tree_view_set_model(view, nullptr);
        }
    }
}

CQuickListFill::~CQuickListFill() {
    Attach();
}

void CQuickListFill::Attach() {
    if (m_model != nullptr) {
        gtk_tree_view_set_model(m_list->m_treeview, GTK_TREE_MODEL(m_model));
        g_object_unref(m_model);
        m_model = nullptr;
    }
}

void CQuickListFill::Done(const std::vector<std::string>& rows) {
    Attach();
    GtkTreeView* view = m_list != nullptr ? m_list->m_treeview : nullptr;
    if (view == nullptr) {
        return;
    }
    // Kerning only ever makes a row narrower than its characters' sum; the cell's own margins
    // come on top.
    constexpr int kCellMargin = 16;
    const int widest = WidestRow(GTK_WIDGET(view), rows);
    GList* columns = gtk_tree_view_get_columns(view);
    for (GList* column = columns; column != nullptr; column = column->next) {
        GtkTreeViewColumn* c = GTK_TREE_VIEW_COLUMN(column->data);
        if (column->next == nullptr) {  // the text; the check boxes come first
            gtk_tree_view_column_set_sizing(c, GTK_TREE_VIEW_COLUMN_FIXED);
            gtk_tree_view_column_set_fixed_width(c, widest + kCellMargin);
        } else if (gtk_tree_view_column_get_sizing(c) != GTK_TREE_VIEW_COLUMN_FIXED) {
            int x = 0, y = 0, width = 0, height = 0;
            gtk_tree_view_column_cell_get_size(c, nullptr, &x, &y, &width, &height);
            gtk_tree_view_column_set_sizing(c, GTK_TREE_VIEW_COLUMN_FIXED);
            gtk_tree_view_column_set_fixed_width(c, std::max(width, 1));
        }
    }
    g_list_free(columns);
    gtk_tree_view_set_fixed_height_mode(view, TRUE);
}
