// What the timing harnesses share: a clock, the statistics they print, and a way to let the
// toolkit run for a while.
#pragma once

#include <wx/app.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double Percentile90(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() * 9 / 10];
}

// Lets the toolkit handle its events for `seconds`.
inline void Pump(double seconds) {
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        wxYield();
        wxMilliSleep(10);
    }
}
