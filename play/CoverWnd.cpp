#include "play/CoverWnd.h"

#include <wx/frame.h>

#include "platform/InputLock.h"
#include "platform/TopLevelWindow.h"
#include "play/MyGameWnd.h"
#include "res/AppIcon.h"

wxBEGIN_EVENT_TABLE(CCoverWnd, wxEvtHandler)
    EVT_WINDOW_DESTROY(CCoverWnd::OnDestroy)
    EVT_KEY_DOWN(CCoverWnd::OnKeyDown)
    EVT_LEFT_DOWN(CCoverWnd::OnButtonDown)
    EVT_MIDDLE_DOWN(CCoverWnd::OnButtonDown)
    EVT_RIGHT_DOWN(CCoverWnd::OnButtonDown)
    EVT_LEFT_DCLICK(CCoverWnd::OnButtonDown)
    EVT_MIDDLE_DCLICK(CCoverWnd::OnButtonDown)
    EVT_RIGHT_DCLICK(CCoverWnd::OnButtonDown)
wxEND_EVENT_TABLE()

CCoverWnd::CCoverWnd(CMyGameWnd& game) : m_game(game) {}

CCoverWnd::~CCoverWnd() {
    if (m_pView != nullptr) {
        m_pView->PopEventHandler();
    }
    DestroyWindow();
}

void CCoverWnd::DestroyWindow() {
    if (m_pFrame != nullptr) {
        StopWatchingCloseRequests(m_pFrame);
        RemoveFromInputLock(m_pFrame);
        m_pFrame->Destroy();
        m_pFrame = nullptr;
    }
}

bool CCoverWnd::Create(const CoverPlace& place, COLORREF crBack) {
    if (m_pFrame != nullptr) {
        return false;
    }
    m_pFrame = new wxFrame(nullptr, wxID_ANY, "Plinkapad cover", place.rect.GetPosition(),
                           place.rect.GetSize(),
                           wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR | wxBORDER_NONE | wxCLOSE_BOX);
    m_pFrame->SetIcon(LoadAppIcon());
    ExemptFromModalDialogs(m_pFrame);
    m_pView = new wxWindow(m_pFrame, wxID_ANY, wxPoint(0, 0), place.rect.GetSize(),
                           wxWANTS_CHARS | wxBORDER_NONE);
    m_pView->SetCursor(wxCursor(wxCURSOR_ARROW));
    m_pView->PushEventHandler(this);
    SetColor(crBack);
    AskForFullScreen(m_pFrame, place.nMonitor);
    m_pFrame->Show();
    AddToInputLock(m_pFrame);
    // Another program may destroy the window behind the toolkit's back: the frame then goes
    // the usual way, and the game makes the cover anew. A close request is the toolkit's.
    WatchCloseRequests(
        m_pFrame, this, [this] { DestroyWindow(); }, false);
    return true;
}

void CCoverWnd::SetColor(COLORREF crBack) {
    if (m_pView == nullptr || (crBack == m_crBack && m_pView->GetBackgroundColour().IsOk())) {
        return;
    }
    m_crBack = crBack;
    const wxColour colour(GetRValue(crBack), GetGValue(crBack), GetBValue(crBack));
    m_pFrame->SetBackgroundColour(colour);
    m_pView->SetBackgroundColour(colour);
    m_pView->Refresh();
}

// The window is gone: ours at the end of the game, or one another program closed or destroyed,
// which the game makes anew when it next looks at the monitors.
void CCoverWnd::OnDestroy(wxWindowDestroyEvent& event) {
    event.Skip();
    if (m_pView == nullptr || event.GetWindow() != m_pView) {
        return;
    }
    if (m_pFrame != nullptr) {
        RemoveFromInputLock(m_pFrame);
        m_pFrame = nullptr;
    }
    m_pView->PopEventHandler();
    m_pView = nullptr;
}

void CCoverWnd::OnKeyDown(wxKeyEvent& event) {
    m_game.OnKeyDown(event);
}

void CCoverWnd::OnButtonDown(wxMouseEvent& event) {
    m_game.OnLButtonDown(event);
}
