#include "platform/MessageBox.h"

#include <wx/msgdlg.h>

#include "platform/DisplayText.h"

int MessageBox(wxWindow* owner, const std::string& text, const std::string& caption,
               unsigned flags) {
    long style = 0;
    switch (flags & 0x000F) {
        case MB_YESNO:
            style |= wxYES_NO;
            break;
        case MB_YESNOCANCEL:
            style |= wxYES_NO | wxCANCEL;
            break;
        default:
            style |= wxOK;
            break;
    }
    switch (flags & 0x00F0) {
        case MB_ICONHAND:
            style |= wxICON_ERROR;
            break;
        case MB_ICONQUESTION:
            style |= wxICON_QUESTION;
            break;
        case MB_ICONEXCLAMATION:
            style |= wxICON_EXCLAMATION;
            break;
        case MB_ICONINFORMATION:
            style |= wxICON_INFORMATION;
            break;
        default:
            break;
    }
    if ((flags & MB_DEFBUTTON2) != 0 && (style & wxYES_NO) != 0) {
        style |= wxNO_DEFAULT;
    }
    wxMessageDialog dialog(owner, DisplayText(text), DisplayText(caption), style);
    switch (dialog.ShowModal()) {
        case wxID_YES:
            return IDYES;
        case wxID_NO:
            return IDNO;
        case wxID_CANCEL:
            return IDCANCEL;
        default:
            return IDOK;
    }
}
