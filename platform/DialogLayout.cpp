#include "platform/DialogLayout.h"

#include <wx/window.h>

#include <algorithm>

void SetMinSizeForText(wxWindow* control, const wxSize& atLeast) {
    const wxSize best = control->GetBestSize();
    control->SetMinSize(wxSize(std::max(atLeast.x, best.x), std::max(atLeast.y, best.y)));
}
