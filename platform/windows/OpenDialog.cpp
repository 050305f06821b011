#include "platform/OpenDialog.h"

#include <wx/filedlg.h>

#include "platform/FileSystem.h"
#include "platform/ShellServices.h"

// Windows' own filter form is the program's: the pairs, trimmed; its dialog matches them
// without regard to case.
std::string ToolkitFilter(const std::string& filter) {
    wxString text = wxString::FromUTF8(filter);
    while (text.EndsWith("|")) {
        text.RemoveLast();
    }
    std::string result;
    bool bFirst = true;
    for (const wxString& piece : wxSplit(text, '|', '\0')) {
        result += bFirst ? "" : "|";
        result += wxString(piece).Trim().Trim(false).utf8_string();
        bFirst = false;
    }
    return result;
}

bool RunOpenDialog(wxWindow* parent, const std::string& filter, bool bMultiple,
                   std::vector<std::string>& paths) {
    wxFileDialog dialog(parent, _("Open"), wxString::FromUTF8(LastOpenFolder()), wxEmptyString,
                        wxString::FromUTF8(ToolkitFilter(filter)),
                        wxFD_OPEN | (bMultiple ? wxFD_MULTIPLE : 0) | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    wxArrayString chosen;
    dialog.GetPaths(chosen);
    paths.clear();
    for (const wxString& path : chosen) {
        std::string utf8 = path.utf8_string();
        std::replace(utf8.begin(), utf8.end(), '\\', '/');
        paths.push_back(std::move(utf8));
    }
    if (!paths.empty()) {
        LastOpenFolder() = FolderOf(paths.front());
    }
    return !paths.empty();
}
