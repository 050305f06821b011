// Seconds since the last restart, from the high-resolution counter.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

class CStopwatch {
public:
    CStopwatch();

    double Elapsed() const;
    void Restart();

    BOOL m_bAvailable;
    std::int64_t m_nFrequency;
    std::int64_t m_nStart;
};
