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
    // A time limit of zero or less, hand-edited into the settings file, never ends a game:
    // the longest period a timer takes (almost 25 days) stands for never.
    if (nTimeLimitMinutes <= 0) {
        return kTimeLimitNever;
    }
    const std::int64_t period = static_cast<std::int64_t>(nTimeLimitMinutes) * 60000;
    return static_cast<int>(std::min<std::int64_t>(period, kTimeLimitNever));
}
