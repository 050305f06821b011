#include "platform/MonitorRef.h"

#include <wx/display.h>

#include <string>

// Windows names each monitor's device ("\\.\DISPLAY1") for as long as it is attached.

CMonitorRef::CMonitorRef(int nMonitor) {
    if (nMonitor < 0 || static_cast<unsigned>(nMonitor) >= wxDisplay::GetCount()) {
        return;
    }
    m_monitor = std::make_shared<std::string>(
        wxDisplay(static_cast<unsigned>(nMonitor)).GetName().utf8_string());
}

int CMonitorRef::GetNumber() const {
    if (m_monitor == nullptr) {
        return -1;
    }
    const std::string& name = *static_cast<const std::string*>(m_monitor.get());
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        if (wxDisplay(i).GetName().utf8_string() == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
