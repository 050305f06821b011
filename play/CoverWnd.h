// A full-screen window in the play background that covers one monitor other than the play
// window's for a game. It is part of the game's input lock, and a key or a click on it does
// what it does on the play window.
#pragma once

#include <wx/event.h>

#include "platform/WinTypes.h"
#include "play/CoverLayout.h"

class CMyGameWnd;
class wxFrame;
class wxWindow;

class CCoverWnd : public wxEvtHandler {
public:
    explicit CCoverWnd(CMyGameWnd& game);
    ~CCoverWnd() override;  // a window still there goes with the object
    CCoverWnd(const CCoverWnd&) = delete;
    CCoverWnd& operator=(const CCoverWnd&) = delete;

    // Creates and shows the window over `place`.
    bool Create(const CoverPlace& place, COLORREF crBack);
    void SetColor(COLORREF crBack);
    // The window goes once the current event is done with it; the object must stay until
    // then (IsGone), since its handler may be the one running.
    void DestroyWindow();
    bool IsWindow() const { return m_pFrame != nullptr; }
    bool IsGone() const { return m_pView == nullptr; }

private:
    void OnDestroy(wxWindowDestroyEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnButtonDown(wxMouseEvent& event);

    CMyGameWnd& m_game;
    wxFrame* m_pFrame = nullptr;  // owned by wx
    wxWindow* m_pView = nullptr;  // the frame's client, which receives input
    COLORREF m_crBack = 0;

    wxDECLARE_EVENT_TABLE();
};
