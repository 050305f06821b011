// Enter on a list that opens its selected row, and does nothing else.
#pragma once

#include <functional>

class wxWindow;

// Has Enter (with no modifier) on `list`, while it has the keyboard focus and a row is
// selected, call `onEnter` and go no further. Left to itself, the toolkit opens the row and
// then also presses the dialog's default button, so a dialog opened from the row would,
// once closed, be followed by the closing of the list's own dialog.
void ActivateRowOnEnterOnly(wxWindow* list, std::function<void()> onEnter);
