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

bool KeyboardLockHeld();
bool KeyboardGrabbed();
