#include "common/HyperLink.h"

#include <wx/settings.h>

#include "common/DialogColours.h"
#include "platform/ShellServices.h"

wxBEGIN_EVENT_TABLE(CHyperLink, wxGenericStaticText)
    EVT_LEFT_DOWN(CHyperLink::OnLButtonDown)
wxEND_EVENT_TABLE()

static COLORREF ToColorRef(const wxColour& c) {
    return RGB(c.Red(), c.Green(), c.Blue());
}

CHyperLink::CHyperLink(wxWindow* parent, int id, const wxString& text)
    : wxGenericStaticText(parent, id, text),
      m_crLink(ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT))),
      m_hbrBack(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)),
      m_font(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)) {
    OnCtlColor();
}

void CHyperLink::OnCtlColor() {
    SetFont(m_font);
    SetForegroundColour(wxColour(GetRValue(m_crLink), GetGValue(m_crLink), GetBValue(m_crLink)));
    SetBackgroundColour(m_hbrBack);
}

void CHyperLink::Redraw() {
    // The colour request runs again: first the link's own answer, then its dialog's rule.
    OnCtlColor();
    if (UsesDialogColours(GetParent())) {
        ApplyDialogColours(this);
    }
    InvalidateBestSize();
    SetSize(GetBestSize());
    Refresh();
    Update();
}

CHyperLink& CHyperLink::SetLink(BOOL bLink) {
    m_bLink = bLink != 0;
    UpdateCursor();
    return *this;
}

CHyperLink& CHyperLink::SetLinkColor(COLORREF colour) {
    m_crLink = colour;
    Redraw();
    return *this;
}

CHyperLink& CHyperLink::SetUnderline(BOOL bUnderline) {
    m_font.SetUnderlined((bUnderline & 0xFF) != 0);
    Redraw();
    return *this;
}

CHyperLink& CHyperLink::SetLinkCursor(const wxCursor& cursor) {
    m_hCursor = cursor;
    UpdateCursor();
    return *this;
}

void CHyperLink::UpdateCursor() {
    SetCursor(m_bLink && m_hCursor.IsOk() ? m_hCursor : wxNullCursor);
}

void CHyperLink::OnLButtonDown(wxMouseEvent& event) {
    if (m_bLink) {
        ShellExecuteOpen(GetLabel().utf8_string());
    }
    event.Skip();
}
