// A static text that is a clickable link (a window of its own, so that it gets the mouse): its own
// font, colour, underline and cursor, and a click that opens its text (a web address) with the
// desktop's default handler.
#pragma once

#include <wx/cursor.h>
#include <wx/font.h>
#include <wx/generic/stattextg.h>

#include "platform/WinTypes.h"

class CHyperLink : public wxGenericStaticText {
public:
    CHyperLink(wxWindow* parent, int id, const wxString& text);

    // Each setter returns the link, so calls can be chained.
    CHyperLink& SetLink(BOOL bLink);
    CHyperLink& SetLinkColor(COLORREF colour);
    CHyperLink& SetUnderline(BOOL bUnderline);
    CHyperLink& SetLinkCursor(const wxCursor& cursor);

    // The control's own answer to a colour request: its font, its text colour and its
    // background. A dialog's colouring rule applies its own choices after this.
    void OnCtlColor();

    bool IsLink() const { return m_bLink; }
    COLORREF m_crLink;
    wxColour m_hbrBack;
    wxFont m_font;
    wxCursor m_hCursor;

private:
    void Redraw();
    // The cursor over the whole control: the link's own while it is a link.
    void UpdateCursor();
    void OnLButtonDown(wxMouseEvent& event);

    bool m_bLink = false;

    wxDECLARE_EVENT_TABLE();
};
