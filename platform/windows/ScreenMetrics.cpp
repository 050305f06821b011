#include "platform/ScreenMetrics.h"

#include <wx/display.h>

// The monitors as the framework lists them from Windows' own (EnumDisplayMonitors); the
// primary monitor has its corner at the origin of the desktop, and GetSystemMetrics is
// Windows' own.

int GetPrimaryMonitorNumber() {
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        if (wxDisplay(i).IsPrimary()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

wxRect GetPrimaryMonitorRect() {
    if (wxDisplay::GetCount() > 0) {
        const wxRect rect =
            wxDisplay(static_cast<unsigned>(GetPrimaryMonitorNumber())).GetGeometry();
        if (!rect.IsEmpty()) {
            return rect;
        }
    }
    return wxRect(wxPoint(0, 0), wxGetDisplaySize());
}

std::vector<wxRect> GetMonitorRects() {
    std::vector<wxRect> rects;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        rects.push_back(wxDisplay(i).GetGeometry());
    }
    return rects;
}
