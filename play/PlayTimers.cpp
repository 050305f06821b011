#include "play/PlayTimers.h"

#include <algorithm>
#include <climits>
#include <cstdint>

bool KeyDelayAllows(BOOL bKeyDelay, int nKeyDelayMs, double elapsed) {
    if (!bKeyDelay) {
        return true;
    }
    return !(nKeyDelayMs * 0.001 > elapsed);
}

bool AutoDisplayDue(double elapsed, int nAutoDisplaySeconds) {
    return elapsed > static_cast<double>(nAutoDisplaySeconds);
}

int TimeLimitPeriod(int nTimeLimitMinutes) {
    // The original timers take any period; 10 ms is the shortest they honour.
    const std::int64_t period = static_cast<std::int64_t>(nTimeLimitMinutes) * 60000;
    return static_cast<int>(std::clamp<std::int64_t>(period, 10, INT_MAX));
}
