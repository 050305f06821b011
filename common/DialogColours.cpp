#include "common/DialogColours.h"

#include <wx/checklst.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>
#include <wx/window.h>

static wxColour ToColour(COLORREF c) { return wxColour(GetRValue(c), GetGValue(c), GetBValue(c)); }

// Edit fields and lists answer with their own colours; a read-only or disabled edit field
// takes the dialog's.
static bool KeepsSystemColours(wxWindow* control) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
        return edit->IsEditable() && edit->IsEnabled();
    }
    return dynamic_cast<wxListBox*>(control) != nullptr ||
           dynamic_cast<wxListCtrl*>(control) != nullptr;
}

static void Colour(wxWindow* window) {
    if (!KeepsSystemColours(window)) {
        window->SetBackgroundColour(ToColour(DIALOG_BACK_COLOUR));
        window->SetForegroundColour(ToColour(DIALOG_TEXT_COLOUR));
    }
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsTopLevel()) {
            Colour(child);
        }
    }
}

void ApplyDialogColours(wxWindow* dialog) { Colour(dialog); }
