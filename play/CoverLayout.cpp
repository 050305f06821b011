#include "play/CoverLayout.h"

#include <algorithm>

std::vector<CoverPlace> CoverPlaces(const std::vector<wxRect>& monitors, int nPlayMonitor) {
    const bool bPlayKnown = nPlayMonitor >= 0 && nPlayMonitor < static_cast<int>(monitors.size());
    const wxRect play = bPlayKnown ? monitors[nPlayMonitor] : wxRect();
    std::vector<CoverPlace> places;
    for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
        const wxRect& rect = monitors[i];
        if (i == nPlayMonitor || rect.IsEmpty() || (bPlayKnown && play.Contains(rect))) {
            continue;
        }
        if (std::ranges::none_of(places, [&](const CoverPlace& p) { return p.rect == rect; })) {
            places.push_back({i, rect});
        }
    }
    return places;
}
