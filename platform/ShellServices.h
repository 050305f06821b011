// Services of the desktop that a test replaces: opening a document or address with its
// default handler, and the colour chooser.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"

class wxWindow;

// Opens `what` (an address or a file) with the desktop's default handler ("open" verb).
bool ShellExecuteOpen(const std::string& what);

// Runs the colour dialog over `parent` starting at `colour`; true with the chosen colour
// in `colour` on OK.
bool ChooseColorDialog(wxWindow* parent, COLORREF& colour);

// Test doubles; an empty function puts the real service back.
void SetShellOpenForTesting(std::function<bool(const std::string&)> open);
void SetColorDialogForTesting(std::function<bool(wxWindow*, COLORREF&)> choose);
