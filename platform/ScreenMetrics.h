// The screen as Windows' screen metrics give it: SM_CXSCREEN and SM_CYSCREEN are the size of
// the primary monitor, whose top left corner is the origin of the desktop there. Here the
// primary monitor may lie anywhere on a wider screen, so its place is asked for as well.
#pragma once

#include <wx/gdicmn.h>

#include <vector>

#ifdef _WIN32
#include "platform/WinTypes.h"  // Windows' own GetSystemMetrics
#else
enum : int { SM_CXSCREEN = 0, SM_CYSCREEN = 1 };

int GetSystemMetrics(int index);
#endif

// The primary monitor's rectangle on the screen (the first monitor when none is marked
// primary, the whole display without monitor information).
wxRect GetPrimaryMonitorRect();
// The primary monitor's number among the display's monitors (0 when none is marked).
int GetPrimaryMonitorNumber();
// Every monitor's rectangle on the screen, in the display's order.
std::vector<wxRect> GetMonitorRects();
