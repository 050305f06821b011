#include "platform/OwnerDrawButton.h"

#include <wx/dcbuffer.h>

#include "platform/DialogLayout.h"

wxDEFINE_EVENT(wxEVT_DRAW_ITEM, CDrawItemEvent);

CDrawItemEvent::CDrawItemEvent(int id, wxDC& dc, const wxRect& rect)
    : wxCommandEvent(wxEVT_DRAW_ITEM, id), m_pDC(&dc), m_rect(rect) {}

wxBEGIN_EVENT_TABLE(COwnerDrawButton, wxControl)
    EVT_PAINT(COwnerDrawButton::OnPaint)
    EVT_LEFT_UP(COwnerDrawButton::OnLeftUp)
    EVT_KEY_DOWN(COwnerDrawButton::OnKeyDown)
wxEND_EVENT_TABLE()

COwnerDrawButton::COwnerDrawButton(wxWindow* parent, int id, const wxString& label,
                                   const wxSize& size)
    : wxControl(parent, id, wxDefaultPosition, size, wxBORDER_NONE | wxWANTS_CHARS) {
    SetLabel(label);  // never drawn by the button: the owner draws it, text and all
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetMinSizeForText(this, size);
}

wxSize COwnerDrawButton::DoGetBestSize() const {
    const wxSize text = GetTextExtent(GetLabelText());
    return wxSize(text.x + 2 * text.y, text.y + text.y / 2);
}

void COwnerDrawButton::DrawInto(wxDC& dc) {
    CDrawItemEvent event(GetId(), dc, wxRect(wxPoint(0, 0), GetClientSize()));
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void COwnerDrawButton::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    DrawInto(dc);
}

void COwnerDrawButton::Click() {
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void COwnerDrawButton::OnLeftUp(wxMouseEvent& event) {
    if (IsEnabled() && GetClientRect().Contains(event.GetPosition())) {
        Click();
    }
    event.Skip();
}

void COwnerDrawButton::OnKeyDown(wxKeyEvent& event) {
    if (IsEnabled() && (event.GetKeyCode() == WXK_SPACE || event.GetKeyCode() == WXK_RETURN)) {
        Click();
        return;
    }
    event.Skip();
}
