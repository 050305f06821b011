#include "common/DialogColours.h"

#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include <set>

#include "common/HyperLink.h"

static wxColour ToColour(COLORREF c) {
    return wxColour(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Edit fields and lists answer with their own colours; a read-only or disabled edit field
// takes the dialog's. Push buttons are drawn by the theme whatever the answer, as on
// Windows, which also keeps their disabled look.
static bool KeepsSystemColours(wxWindow* control) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
        return edit->IsEditable() && edit->IsEnabled();
    }
    return dynamic_cast<wxListBox*>(control) != nullptr ||
           dynamic_cast<wxListCtrl*>(control) != nullptr ||
           dynamic_cast<wxButton*>(control) != nullptr;
}

static void Colour(wxWindow* window) {
    if (auto* link = dynamic_cast<CHyperLink*>(window)) {
        link->OnCtlColor();
    }
    if (KeepsSystemColours(window)) {
        return;  // and so do the parts a list is made of
    }
    window->SetBackgroundColour(ToColour(DIALOG_BACK_COLOUR));
    // A disabled control is drawn greyed whatever text colour it is given.
    window->SetForegroundColour(window->IsThisEnabled() ? ToColour(DIALOG_TEXT_COLOUR)
                                                        : wxNullColour);
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsTopLevel()) {
            Colour(child);
        }
    }
}

static std::set<wxWindow*>& Coloured() {
    static std::set<wxWindow*> windows;
    return windows;
}

void ApplyDialogColours(wxWindow* dialog) {
    Colour(dialog);
    if (dialog->IsTopLevel() && Coloured().insert(dialog).second) {
        dialog->Bind(wxEVT_DESTROY, [dialog](wxWindowDestroyEvent& event) {
            if (event.GetWindow() == dialog) {
                Coloured().erase(dialog);
            }
            event.Skip();
        });
    }
}

bool UsesDialogColours(wxWindow* window) {
    return Coloured().count(window) != 0;
}
