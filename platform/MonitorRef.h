// One monitor of the display, for as long as it is plugged in. The monitors' numbers change
// as monitors come and go (and as the primary role moves); a CMonitorRef stays with its own
// monitor and tells when that one has gone.
#pragma once

#include <memory>

class CMonitorRef {
public:
    CMonitorRef() = default;  // no monitor
    // The monitor that has this number now; none when there is no such monitor.
    explicit CMonitorRef(int nMonitor);

    // Its number among the display's monitors now, or -1 once it is gone (or never was).
    int GetNumber() const;

private:
    std::shared_ptr<void> m_monitor;  // the window system's monitor, held
};
