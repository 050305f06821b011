// The keyboard lock of a game: while it is held, a window of ours grabs the whole keyboard,
// so the desktop's keys for leaving or switching programs reach only that window.
#pragma once

class wxWindow;

// Takes the lock (the stand-in for installing the keyboard hook); returns its handle.
int TakeKeyboardLock();

// Grabs the keyboard for `window`, which must be shown; does nothing unless the lock is
// held. False when the grab was refused.
bool GrabKeyboardFor(wxWindow* window);

// Releases the lock and any grab it holds.
void ReleaseKeyboardLock(int handle);

// A modal dialog keeps input from every other window of the program. The play window is
// opened while the welcome dialog runs modally, so it is put in a window group of its own,
// which the dialog's hold does not reach.
void ExemptFromModalDialogs(wxWindow* topLevel);

// Asks the window manager, if there is one, to show the window full screen above its own
// panels; without one the window keeps the place and size it was given.
void AskForFullScreen(wxWindow* topLevel);

bool KeyboardLockHeld();
bool KeyboardGrabbed();
