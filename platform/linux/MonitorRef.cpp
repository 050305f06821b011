#include "platform/MonitorRef.h"

#include <gtk/gtk.h>

// The toolkit keeps one monitor object per output while the output is there, whatever else
// changes; the reference held keeps a removed one's address from being reused for another.
CMonitorRef::CMonitorRef(int nMonitor) {
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr || nMonitor < 0 || nMonitor >= gdk_display_get_n_monitors(display)) {
        return;
    }
    GdkMonitor* monitor = gdk_display_get_monitor(display, nMonitor);
    m_monitor = std::shared_ptr<void>(g_object_ref(monitor), g_object_unref);
}

int CMonitorRef::GetNumber() const {
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr || m_monitor == nullptr) {
        return -1;
    }
    for (int i = 0; i < gdk_display_get_n_monitors(display); ++i) {
        if (gdk_display_get_monitor(display, i) == m_monitor.get()) {
            return i;
        }
    }
    return -1;
}
