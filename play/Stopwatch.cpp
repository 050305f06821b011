#include "play/Stopwatch.h"

#include "platform/PerformanceCounter.h"

CStopwatch::CStopwatch() : m_nFrequency(0), m_nStart(0) {
    m_bAvailable = QueryPerformanceFrequency(&m_nFrequency) && m_nFrequency > 0;
}

double CStopwatch::Elapsed() const {
    if (!m_bAvailable) {
        return 0.0;
    }
    std::int64_t now = 0;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now - m_nStart) / static_cast<double>(m_nFrequency);
}

void CStopwatch::Restart() {
    QueryPerformanceCounter(&m_nStart);
}
