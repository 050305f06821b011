#include "platform/ScreenMetrics.h"

#include <gtk/gtk.h>

wxRect GetPrimaryMonitorRect() {
    GdkDisplay* display = gdk_display_get_default();
    if (display != nullptr) {
        GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
        if (monitor == nullptr && gdk_display_get_n_monitors(display) > 0) {
            monitor = gdk_display_get_monitor(display, 0);
        }
        if (monitor != nullptr) {
            GdkRectangle area;
            gdk_monitor_get_geometry(monitor, &area);
            if (area.width > 0 && area.height > 0) {
                return wxRect(area.x, area.y, area.width, area.height);
            }
        }
    }
    return wxRect(wxPoint(0, 0), wxGetDisplaySize());
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
