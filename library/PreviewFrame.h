// The black frame in which the Manage Picture Group dialog previews the selected picture.
// It keeps what was drawn into it, so the preview survives the dialog being covered and
// shown again.
#pragma once

#include <wx/window.h>

#include "platform/BackBitmap.h"

class CPreviewFrame : public wxWindow {
public:
    CPreviewFrame(wxWindow* parent, int id, const wxSize& size);

    // Empties the frame and gives a bitmap of its size to draw the picture into; the frame
    // shows it from the next repaint on.
    CBackBitmap& BeginDrawing();
    // The frame as it now shows.
    const CBackBitmap& Canvas() const { return m_canvas; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    CBackBitmap m_canvas;

    wxDECLARE_EVENT_TABLE();
};
