// The input lock of a game: while it is held, a window of ours grabs the keyboard and the
// pointer, so the desktop's keys and mouse actions for leaving or switching programs reach
// only that window, and the pointer stays on it. The window stays on every desktop and above
// the others, and the grabs are taken again whenever the window comes back or loses them.
#pragma once

#include <functional>

class wxWindow;

// Takes the lock (the stand-in for installing the keyboard hook); returns its handle.
int TakeInputLock();

// Grabs the keyboard and the pointer for `window`, which must be shown, and keeps them for
// as long as the lock is held. Another program may hold the keyboard for a moment, so the
// grab is tried again for a few seconds; when it still cannot be had, `onFailed` is called
// (from the event loop). Returns true when the grab was taken at once. Does nothing unless
// the lock is held.
bool GrabInputFor(wxWindow* window, std::function<void()> onFailed = {});

// Releases the lock and every grab it holds.
void ReleaseInputLock(int handle);

bool InputLockHeld();
// Whether the keyboard and the pointer are grabbed right now.
bool InputGrabbed();
