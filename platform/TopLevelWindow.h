// What the play window and the help viewer need from the window system as top-level
// windows of their own beside the program's modal dialogs.
#pragma once

class wxWindow;

// A modal dialog keeps input from every other window of the program. The play window is
// opened while the welcome dialog runs modally, so it is put in a window group of its own,
// which the dialog's hold does not reach.
void ExemptFromModalDialogs(wxWindow* topLevel);

// Asks the window manager, if there is one, to show the window full screen above its own
// panels; without one the window keeps the place and size it was given.
void AskForFullScreen(wxWindow* topLevel);
