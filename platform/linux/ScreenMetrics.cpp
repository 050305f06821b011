#include "platform/ScreenMetrics.h"

#include <gtk/gtk.h>

int GetPrimaryMonitorNumber() {
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr) {
        return 0;
    }
    GdkMonitor* primary = gdk_display_get_primary_monitor(display);
    for (int i = 0; i < gdk_display_get_n_monitors(display); ++i) {
        if (gdk_display_get_monitor(display, i) == primary) {
            return i;
        }
    }
    return 0;
}

wxRect GetPrimaryMonitorRect() {
    GdkDisplay* display = gdk_display_get_default();
    if (display != nullptr) {
        if (GdkMonitor* monitor = gdk_display_get_monitor(display, GetPrimaryMonitorNumber())) {
            GdkRectangle area;
            gdk_monitor_get_geometry(monitor, &area);
            if (area.width > 0 && area.height > 0) {
                return wxRect(area.x, area.y, area.width, area.height);
            }
        }
    }
    return wxRect(wxPoint(0, 0), wxGetDisplaySize());
}

std::vector<wxRect> GetMonitorRects() {
    std::vector<wxRect> rects;
    if (GdkDisplay* display = gdk_display_get_default()) {
        for (int i = 0; i < gdk_display_get_n_monitors(display); ++i) {
            GdkRectangle area;
            gdk_monitor_get_geometry(gdk_display_get_monitor(display, i), &area);
            rects.emplace_back(area.x, area.y, area.width, area.height);
        }
    }
    return rects;
}

int GetSystemMetrics(int index) {
    const wxRect primary = GetPrimaryMonitorRect();
    switch (index) {
        case SM_CXSCREEN:
            return primary.GetWidth();
        case SM_CYSCREEN:
            return primary.GetHeight();
        default:
            return 0;
    }
}
