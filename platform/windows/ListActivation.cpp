#include "platform/ListActivation.h"

#include <wx/event.h>
#include <wx/window.h>

void ActivateRowOnEnterOnly(wxWindow* list, std::function<void()> onEnter) {
    if (list == nullptr) {
        return;
    }
    list->Bind(wxEVT_KEY_DOWN, [onEnter = std::move(onEnter)](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) {
            onEnter();
            return;
        }
        event.Skip();
    });
}
