#include "library/PreviewFrame.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "common/DialogColours.h"

wxBEGIN_EVENT_TABLE(CPreviewFrame, wxWindow)
    EVT_PAINT(CPreviewFrame::OnPaint)
    EVT_SIZE(CPreviewFrame::OnSize)
wxEND_EVENT_TABLE()

CPreviewFrame::CPreviewFrame(wxWindow* parent, int id, const wxSize& size)
    : wxWindow(parent, id, wxDefaultPosition, size, wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);  // every pixel comes from the canvas
    SetMinSize(size);
    BeginDrawing();
}

CBackBitmap& CPreviewFrame::BeginDrawing() {
    const wxSize size = GetClientSize();
    if (m_canvas.Width() != size.x || m_canvas.Height() != size.y) {
        m_canvas.Create(std::max(size.x, 1), std::max(size.y, 1));
    }
    m_canvas.Fill(DIALOG_BACK_COLOUR);
    Refresh(false);
    return m_canvas;
}

void CPreviewFrame::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    m_canvas.CopyTo(dc);
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(wxPoint(0, 0), GetClientSize());
}

// A new size empties the frame; the dialog draws the picture again when it is selected.
void CPreviewFrame::OnSize(wxSizeEvent& event) {
    BeginDrawing();
    event.Skip();
}
