// The one colouring rule of every dialog: an orange background with navy text on the dialog
// and its controls, while edit fields and lists keep the system's colours.
#pragma once

#include "platform/WinTypes.h"

class wxWindow;

constexpr COLORREF DIALOG_BACK_COLOUR = RGB(255, 128, 64);
constexpr COLORREF DIALOG_TEXT_COLOUR = RGB(0, 0, 128);

// Applies the rule to `dialog` and every control in it; call again after adding controls
// or enabling and disabling them.
// A control with colours of its own (a link) gives its answer first, and the rule wins.
void ApplyDialogColours(wxWindow* dialog);

// Whether the rule was applied to `window` (a dialog that colours its controls).
bool UsesDialogColours(wxWindow* window);
