#include "platform/TopLevelWindow.h"

#include <wx/event.h>
#include <wx/window.h>

#include <map>

#include "platform/ScreenMetrics.h"
#include "platform/windows/WideText.h"

#include <shobjidl.h>

// A window made while a modal dialog runs is not among those the dialog disabled.
void ExemptFromModalDialogs(wxWindow*) {}

// The window covers the monitor; its style keeps it above every other window.
void AskForFullScreen(wxWindow* topLevel, int nMonitor) {
    if (topLevel == nullptr) {
        return;
    }
    const std::vector<wxRect> monitors = GetMonitorRects();
    const int n = nMonitor >= 0 ? nMonitor : GetPrimaryMonitorNumber();
    if (n >= 0 && n < static_cast<int>(monitors.size())) {
        topLevel->SetSize(monitors[n]);
    }
}

namespace {
struct CloseWatch {
    wxEvtHandler* owner;
    std::function<void()> onClose;
    bool bRequests;
};
std::map<wxWindow*, CloseWatch>& Watches() {
    static std::map<wxWindow*, CloseWatch> watches;
    return watches;
}

// A close request goes to the owner, once, from the event loop.
void OnClose(wxCloseEvent& event) {
    auto it = Watches().find(static_cast<wxWindow*>(event.GetEventObject()));
    if (it == Watches().end() || !it->second.bRequests || !event.CanVeto()) {
        event.Skip();
        return;
    }
    event.Veto();
    if (it->second.onClose) {
        it->second.owner->CallAfter(std::move(it->second.onClose));
        it->second.onClose = nullptr;
    }
}
}  // namespace

void WatchCloseRequests(wxWindow* topLevel, wxEvtHandler* owner, std::function<void()> onClose,
                        bool bRequests) {
    if (topLevel == nullptr || owner == nullptr) {
        return;
    }
    Watches()[topLevel] = CloseWatch{owner, std::move(onClose), bRequests};
    topLevel->Bind(wxEVT_CLOSE_WINDOW, OnClose);
}

void StopWatchingCloseRequests(wxWindow* topLevel) {
    if (topLevel != nullptr && Watches().erase(topLevel) > 0) {
        topLevel->Unbind(wxEVT_CLOSE_WINDOW, OnClose);
    }
}

// Windows sends no error for a request about a window another program destroyed.
void SurviveWindowsDestroyedByOthers() {}

// The taskbar groups the program's windows, and names them, by this identity.
void NameTheProgram(const std::string& appId) {
    SetCurrentProcessExplicitAppUserModelID(WideFromUtf8(appId).c_str());
}

// No OpenGL driver is loaded unless asked for on Windows.
void DoWithoutOpenGL() {}
