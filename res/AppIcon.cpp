#include "res/AppIcon.h"

#include <wx/dcmemory.h>
#include <wx/iconbndl.h>

#include <algorithm>

static wxIcon DrawIcon(int size) {
    wxBitmap bitmap(size, size, 32);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(wxColour(255, 128, 64)));
        dc.Clear();
        const double s = size / 32.0;
        dc.SetPen(wxPen(wxColour(0, 0, 128), std::max(1, int(s))));
        dc.SetBrush(wxBrush(wxColour(255, 220, 0)));
        dc.DrawCircle(int(16 * s), int(16 * s), int(11 * s));
        dc.SetBrush(wxBrush(wxColour(0, 0, 128)));
        dc.DrawCircle(int(12 * s), int(13 * s), std::max(1, int(1.6 * s)));
        dc.DrawCircle(int(20 * s), int(13 * s), std::max(1, int(1.6 * s)));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawEllipticArc(int(10 * s), int(14 * s), int(12 * s), int(7 * s), 180, 360);
    }
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    return icon;
}

wxIcon LoadAppIcon() {
    return DrawIcon(32);
}

wxIconBundle LoadAppIcons() {
    wxIconBundle bundle;
    bundle.AddIcon(DrawIcon(16));
    bundle.AddIcon(DrawIcon(32));
    bundle.AddIcon(DrawIcon(48));
    return bundle;
}
