// The time rules of a game that need no window.
#pragma once

#include <climits>

#include "platform/WinTypes.h"

// The key delay gate: whether a display may happen `elapsed` seconds after the last one.
bool KeyDelayAllows(BOOL bKeyDelay, int nKeyDelayMs, double elapsed);

// Whether an automatic display is due at a tick of the 800 ms timer.
bool AutoDisplayDue(double elapsed, int nAutoDisplaySeconds);

// The period of the time-limit timer, in milliseconds, kept within what a timer can take;
// kTimeLimitNever for a limit of zero minutes or less.
constexpr int kTimeLimitNever = INT_MAX;
int TimeLimitPeriod(int nTimeLimitMinutes);

constexpr int TIMER_TIME_LIMIT = 2;
constexpr int TIMER_AUTO_DISPLAY = 3;
constexpr int AUTO_DISPLAY_PERIOD = 800;
// The play window's look at the monitors, for those plugged in or removed during a game.
constexpr int TIMER_MONITORS = 4;
constexpr int MONITORS_PERIOD = 250;
