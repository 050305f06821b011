#include "platform/OpenDialog.h"

#include <gtk/gtk.h>
#include <wx/filedlg.h>

#include "platform/FileSystem.h"
#include "platform/ShellServices.h"

// Windows' filter text separates description and pattern with "|" and ends with "||"; the
// toolkit wants the pairs alone, trimmed. Windows matches the patterns without regard to
// case, where the toolkit's chooser minds it and would hide a phone's IMG_0001.JPG from
// "*.jpg": each letter of a pattern is given in both cases.
std::string ToolkitFilter(const std::string& filter) {
    wxString text = wxString::FromUTF8(filter);
    while (text.EndsWith("|")) {
        text.RemoveLast();
    }
    std::string result;
    int part = 0;
    for (const wxString& piece : wxSplit(text, '|', '\0')) {
        if (part > 0) {
            result += '|';
        }
        const std::string trimmed = wxString(piece).Trim().Trim(false).utf8_string();
        if (part++ % 2 == 0) {
            result += trimmed;
            continue;
        }
        for (const char c : trimmed) {
            if (const char lower = c | 0x20; lower >= 'a' && lower <= 'z') {
                result += {'[', lower, static_cast<char>(lower - 0x20), ']'};
            } else {
                result += c;
            }
        }
    }
    return result;
}

bool RunOpenDialog(wxWindow* parent, const std::string& filter, bool bMultiple,
                   std::vector<std::string>& paths) {
    wxFileDialog dialog(
        parent, _("Open"), wxEmptyString, wxEmptyString, wxString::FromUTF8(ToolkitFilter(filter)),
        wxFD_OPEN | (bMultiple ? wxFD_MULTIPLE : 0) | wxFD_FILE_MUST_EXIST | wxRESIZE_BORDER);
    GtkWidget* widget = dialog.GetHandle();
    const bool bChooser = widget != nullptr && GTK_IS_FILE_CHOOSER(widget);
    if (bChooser && !LastOpenFolder().empty()) {
        gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(widget), LastOpenFolder().c_str());
    }
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    // The names as the file system spells them, bytes that need not be UTF-8: the toolkit's
    // own text of a name it cannot convert is empty.
    paths.clear();
    if (bChooser) {
        GSList* names = gtk_file_chooser_get_filenames(GTK_FILE_CHOOSER(widget));
        for (GSList* name = names; name != nullptr; name = name->next) {
            paths.emplace_back(static_cast<const char*>(name->data));
        }
        g_slist_free_full(names, g_free);
    } else {
        wxArrayString chosen;
        dialog.GetPaths(chosen);
        for (const wxString& path : chosen) {
            paths.push_back(path.utf8_string());
        }
    }
    if (!paths.empty()) {
        LastOpenFolder() = FolderOf(paths.front());
    }
    return !paths.empty();
}
