#include "platform/HelpKey.h"

#include <wx/cshelp.h>
#include <wx/event.h>
#include <wx/window.h>

void SendHelpOnF1(wxWindow* dialog) {
    dialog->Bind(wxEVT_CHAR_HOOK, [dialog](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        wxWindow* focus = wxWindow::FindFocus();
        wxHelpEvent help(wxEVT_HELP, focus != nullptr ? focus->GetId() : dialog->GetId(),
                         wxGetMousePosition(), wxHelpEvent::Origin_Keyboard);
        help.SetEventObject(focus != nullptr ? focus : dialog);
        dialog->GetEventHandler()->ProcessEvent(help);
    });
}
