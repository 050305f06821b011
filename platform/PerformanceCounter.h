// The high-resolution counter: ticks of a monotonic clock. Tests can put a clock of their
// own in its place.
#pragma once

#include <cstdint>

bool QueryPerformanceFrequency(std::int64_t* frequency);
bool QueryPerformanceCounter(std::int64_t* counter);

// Replaces the counter with `source` (ticks at the same frequency); null restores it.
using PerformanceCounterSource = std::int64_t (*)();
void SetPerformanceCounterSource(PerformanceCounterSource source);
