// The one colouring rule of every dialog: an orange background with navy text on the dialog
// and its controls, while edit fields and lists keep the system's colours.
#pragma once

#include "platform/WinTypes.h"

class wxWindow;

constexpr COLORREF DIALOG_BACK_COLOUR = RGB(255, 128, 64);
constexpr COLORREF DIALOG_TEXT_COLOUR = RGB(0, 0, 128);

// Applies the rule to `dialog` and every control in it; call again after adding controls.
void ApplyDialogColours(wxWindow* dialog);
