#include "platform/TerminationSignals.h"

#include <wx/app.h>
#include <wx/event.h>

// Windows asks a program to end at logout or shutdown with a message to its windows, which
// the framework hands on as an end of session; a Windows program has no display connection
// to lose.

namespace {
std::function<void(Termination)> s_handler;

void OnEndSession(wxCloseEvent& event) {
    if (s_handler) {
        s_handler(Termination::Asked);
    }
    event.Skip();
}
}  // namespace

void CallOnTerminationSignals(std::function<void(Termination)> handler) {
    StopCallingOnTerminationSignals();
    s_handler = std::move(handler);
    if (wxTheApp != nullptr) {
        wxTheApp->Bind(wxEVT_END_SESSION, OnEndSession);
    }
}

void StopCallingOnTerminationSignals() {
    if (wxTheApp != nullptr && s_handler) {
        wxTheApp->Unbind(wxEVT_END_SESSION, OnEndSession);
    }
    s_handler = nullptr;
}

bool DisplayConnectionLost() {
    return false;
}
