// The input lock of a game. While it is held, the keys that could leave or switch the play
// window are swallowed before anything sees them: Tab, Escape, F1, F4, F12, the Windows keys
// and Ctrl+Space. Alt chords reach nothing either, since their key is among these or they
// are system keys.
#pragma once

// The handle of the lock; 0 when no lock is held.
extern int g_hKeyboardHook;

// 1 when the key is swallowed, 0 when it passes on. Key-down and key-up alike.
int KeyboardHookProc(int vk, bool bCtrlDown);

void InstallKeyboardHook();
void RemoveKeyboardHook();
