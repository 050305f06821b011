// Which monitors a game covers. The play window shows on one monitor; every other monitor
// gets a cover in the play background, so the child sees nothing of the desktop and its
// windows there and every key and click lands on the game.
#pragma once

#include <wx/gdicmn.h>

#include <vector>

struct CoverPlace {
    int nMonitor;  // the monitor's number among the display's
    wxRect rect;   // its rectangle on the screen
    bool operator==(const CoverPlace&) const = default;
};

// The monitors to cover, given every monitor's rectangle and the play window's monitor: each
// other monitor once, leaving out empty ones, those the play window's monitor already shows
// whole (a mirror, a monitor lying inside it) and repeats of a covered rectangle.
std::vector<CoverPlace> CoverPlaces(const std::vector<wxRect>& monitors, int nPlayMonitor);
