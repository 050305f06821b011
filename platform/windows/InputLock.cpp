#include "platform/InputLock.h"

// The Windows side of the lock is the low-level keyboard hook; until it is built, a game
// holds the keyboard focus alone and says it holds the lock, so that the game can be
// played and tested on Windows. Nothing here keeps the Windows key or Alt+Tab yet.

namespace {
int s_nHandle = 0;
int s_nNextHandle = 1;
}  // namespace

int TakeInputLock() {
    s_nHandle = s_nNextHandle++;
    return s_nHandle;
}

bool DesktopShortcutsCanBeHeld() {
    return true;
}

bool GrabInputFor(wxWindow*, wxEvtHandler*, std::function<void(LockLoss)>, bool) {
    return s_nHandle != 0;
}

void AddToInputLock(wxWindow*) {}

void RemoveFromInputLock(wxWindow*) {}

void RenewInputLock() {}

void ReleaseInputLock(int handle) {
    if (handle != 0 && handle == s_nHandle) {
        s_nHandle = 0;
    }
}

bool InputLockHeld() {
    return s_nHandle != 0;
}

bool InputGrabbed() {
    return s_nHandle != 0;
}
