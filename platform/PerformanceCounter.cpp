#include "platform/PerformanceCounter.h"

#include <chrono>

static PerformanceCounterSource s_source = nullptr;

bool QueryPerformanceFrequency(std::int64_t* frequency) {
    *frequency = 1000000000;
    return true;
}

bool QueryPerformanceCounter(std::int64_t* counter) {
    if (s_source != nullptr) {
        *counter = s_source();
        return true;
    }
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    *counter = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    return true;
}

void SetPerformanceCounterSource(PerformanceCounterSource source) {
    s_source = source;
}
