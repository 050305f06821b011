// The input lock of a game: while it is held, the game's windows take the keyboard and the
// pointer, so the desktop's keys and mouse actions for leaving or switching programs reach
// only them, and the pointer stays on the play window where the desktop lets a program keep
// it. The windows stay on every desktop and above the others, the keyboard focus comes back
// to the play window whenever no window of the game has it, and the lock is taken again
// whenever a window comes back or loses it.
#pragma once

#include <functional>

#include "core/LockDeadline.h"

class wxEvtHandler;
class wxWindow;

// The game's own rule for a key that passed the lock: non-zero swallows it.
using KeyFilter = int (*)(int vk, bool bCtrlDown);

// Takes the lock; returns its handle. On Windows the lock is a low-level keyboard hook that
// asks `filter` about every key before any program gets it, from a thread of its own; on
// Linux the play window's key handler asks it.
int TakeInputLock(KeyFilter filter = nullptr);

// Whether the desktop can hold its own shortcuts (Super, Alt+Tab, Alt+F4...) for a game: an
// X11 keyboard grab holds them; a Wayland compositor holds them only if it offers to.
bool DesktopShortcutsCanBeHeld();

// Locks input on `window`, the play window, which must be shown, for as long as the lock is
// held. Another program may hold the keyboard for a moment, and a Wayland desktop may ask its
// user first, so a missing lock is tried again. When it stays missing, `owner` is asked to
// call `onFailed` from its event queue (it ends the game, so nothing runs unlocked):
// NotGranted when a Wayland desktop never held its shortcuts for the game, Lost when the lock
// could not be had or had back. With `bShortcutsRequired` false (the parent chose to play
// without the desktop's shortcuts held) a Wayland game goes on without them. Returns true
// when the lock was taken at once. Does nothing unless the lock is held. The owner must
// outlive the lock.
bool GrabInputFor(wxWindow* window, wxEvtHandler* owner, std::function<void(LockLoss)> onFailed,
                  bool bShortcutsRequired = true);

// Another window of the game (the cover of another monitor): it stays above, counts as the
// game's for the keyboard focus and, on Wayland, holds the desktop's shortcuts for itself.
// Removed before it is destroyed.
void AddToInputLock(wxWindow* window);
void RemoveFromInputLock(wxWindow* window);

// The game's windows moved (to another monitor): the lock is looked at again at once rather
// than at the watch's next slow look.
void RenewInputLock();

// Releases the lock and every grab it holds.
void ReleaseInputLock(int handle);

bool InputLockHeld();
// Whether the keyboard and the pointer are held for the game right now.
bool InputGrabbed();
