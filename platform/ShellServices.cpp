#include "platform/ShellServices.h"

#include <wx/colordlg.h>
#include <wx/utils.h>

#include "platform/OpenDialog.h"

static std::function<bool(const std::string&)>& OpenOverride() {
    static std::function<bool(const std::string&)> open;
    return open;
}

static std::function<bool(wxWindow*, COLORREF&)>& ChooseOverride() {
    static std::function<bool(wxWindow*, COLORREF&)> choose;
    return choose;
}

static OpenFilesFunction& OpenFilesOverride() {
    static OpenFilesFunction open;
    return open;
}

void SetOpenFilesDialogForTesting(OpenFilesFunction open) {
    OpenFilesOverride() = std::move(open);
}

void SetShellOpenForTesting(std::function<bool(const std::string&)> open) {
    OpenOverride() = std::move(open);
}

void SetColorDialogForTesting(std::function<bool(wxWindow*, COLORREF&)> choose) {
    ChooseOverride() = std::move(choose);
}

bool ShellExecuteOpen(const std::string& what) {
    if (OpenOverride()) {
        return OpenOverride()(what);
    }
    const wxString target = wxString::FromUTF8(what);
    if (target.Contains("://") || target.StartsWith("mailto:")) {
        return wxLaunchDefaultBrowser(target);
    }
    return wxLaunchDefaultApplication(target);
}

bool ChooseColorDialog(wxWindow* parent, COLORREF& colour) {
    if (ChooseOverride()) {
        return ChooseOverride()(parent, colour);
    }
    wxColourData data;
    data.SetColour(wxColour(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    wxColourDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    const wxColour chosen = dialog.GetColourData().GetColour();
    colour = RGB(chosen.Red(), chosen.Green(), chosen.Blue());
    return true;
}

// The Open dialog opens in the folder the last files were chosen from, as Windows' does, so
// a parent adding a phone's photos in several goes finds them again.
std::string& LastOpenFolder() {
    static std::string folder;
    return folder;
}

// Only files that exist are chosen, so none gets the default extension added.
bool OpenFilesDialog(wxWindow* parent, const std::string& filter, const std::string& extension,
                     std::vector<std::string>& paths) {
    if (OpenFilesOverride()) {
        return OpenFilesOverride()(parent, filter, extension, paths);
    }
    return RunOpenDialog(parent, filter, true, paths);
}

bool OpenFileDialog(wxWindow* parent, const std::string& filter, const std::string& extension,
                    std::string& path) {
    std::vector<std::string> paths;
    const bool bChosen = OpenFilesOverride() ? OpenFilesOverride()(parent, filter, extension, paths)
                                             : RunOpenDialog(parent, filter, false, paths);
    if (!bChosen || paths.empty()) {
        return false;
    }
    path = paths.front();
    return true;
}
