// The input lock of a game: while it is held, a window of ours grabs the keyboard and the
// pointer, so the desktop's keys and mouse actions for leaving or switching programs reach
// only that window, and the pointer stays on it. The window stays on every desktop and above
// the others, and the grabs are taken again whenever the window comes back or loses them.
#pragma once

#include <functional>

class wxEvtHandler;
class wxWindow;

// Takes the lock (the stand-in for installing the keyboard hook); returns its handle.
int TakeInputLock();

// Grabs the keyboard and the pointer for `window`, which must be shown, and keeps them for
// as long as the lock is held. Another program may hold the keyboard for a moment, so a
// missing grab is tried again; when the grabs stay missing for a few seconds, at the start
// or later, `owner` is asked to call `onFailed` from its event queue (it ends the game, so
// nothing runs unlocked). Returns true when the grabs were taken at once. Does nothing
// unless the lock is held. The owner must outlive the lock.
bool GrabInputFor(wxWindow* window, wxEvtHandler* owner, std::function<void()> onFailed);

// Releases the lock and every grab it holds.
void ReleaseInputLock(int handle);

bool InputLockHeld();
// Whether the keyboard and the pointer are grabbed right now.
bool InputGrabbed();
