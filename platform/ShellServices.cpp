#include "platform/ShellServices.h"

#include <wx/colordlg.h>
#include <wx/utils.h>

static std::function<bool(const std::string&)>& OpenOverride() {
    static std::function<bool(const std::string&)> open;
    return open;
}

static std::function<bool(wxWindow*, COLORREF&)>& ChooseOverride() {
    static std::function<bool(wxWindow*, COLORREF&)> choose;
    return choose;
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
