#include "platform/MessageBox.h"

#include <wx/msgdlg.h>
#include <wx/translation.h>

#include "platform/DisplayText.h"

namespace {
constexpr char kBreakChance[] = "\xE2\x80\x8B";  // U+200B, zero width space
constexpr int kLongestRun = 32;
}  // namespace

std::string BreakableText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0;  // characters since the last break chance
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool bLead = (c & 0xC0) != 0x80;
        if (bLead && run >= kLongestRun) {
            out += kBreakChance;
            run = 0;
        }
        out += static_cast<char>(c);
        if (c == ' ' || c == '\n' || c == '\t') {
            run = 0;
        } else if (bLead) {
            ++run;
        }
        if ((c == '/' || c == '\\') && run > 1) {
            out += kBreakChance;
            run = 0;
        }
    }
    return out;
}

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
    wxMessageDialog dialog(owner, DisplayText(BreakableText(text)), DisplayText(caption), style);
    // The buttons in the program's own language, whatever the toolkit's.
    dialog.SetYesNoCancelLabels(wxGETTEXT_IN_CONTEXT("button", "&Yes"),
                                wxGETTEXT_IN_CONTEXT("button", "&No"),
                                wxGETTEXT_IN_CONTEXT("button", "&Cancel"));
    dialog.SetOKLabel(wxGETTEXT_IN_CONTEXT("button", "&OK"));
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
