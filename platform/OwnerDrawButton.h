// A push button that its owner draws: it asks its parent to draw it with a draw-item event
// whenever it needs painting, and sends a button event when clicked (mouse, Space, Enter).
#pragma once

#include <wx/control.h>
#include <wx/event.h>

class wxDC;

class CDrawItemEvent : public wxCommandEvent {
public:
    CDrawItemEvent(int id, wxDC& dc, const wxRect& rect);
    wxEvent* Clone() const override { return new CDrawItemEvent(*this); }

    wxDC& GetDC() const { return *m_pDC; }
    // The item rectangle: right and bottom are the width and the height.
    const wxRect& GetItemRect() const { return m_rect; }

private:
    wxDC* m_pDC;
    wxRect m_rect;
};

wxDECLARE_EVENT(wxEVT_DRAW_ITEM, CDrawItemEvent);

#define EVT_DRAW_ITEM(id, func) \
    wx__DECLARE_EVT1(wxEVT_DRAW_ITEM, id, wxEVENT_HANDLER_CAST(CDrawItemEventFunction, func))
typedef void (wxEvtHandler::*CDrawItemEventFunction)(CDrawItemEvent&);

class COwnerDrawButton : public wxControl {
public:
    COwnerDrawButton(wxWindow* parent, int id, const wxString& label, const wxSize& size);

    // Draws the button into `dc` as it would on the screen.
    void DrawInto(wxDC& dc);

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void Click();

    wxDECLARE_EVENT_TABLE();
};
