// Sizes of the controls of the program's dialogs, which grow with their texts in every
// language.
#pragma once

#include <wx/gdicmn.h>

class wxWindow;

// Makes `control` at least `atLeast` (dialog units already converted; -1 leaves a side to the
// control) and never smaller than its own text needs.
void SetMinSizeForText(wxWindow* control, const wxSize& atLeast);
