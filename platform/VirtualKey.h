// Keys as Windows' virtual-key codes, translated from key events in this one place. Windows
// gives the digit row its codes by position (VK_0..VK_9 on a French keyboard too, whatever
// Shift says) and letters by the active layout, falling back to the US position for layouts
// without Latin letters; the keypad digits, F1..F24 and the Windows keys have codes of
// their own.
#pragma once

class wxKeyEvent;

#ifdef _WIN32
#include "platform/WinTypes.h"  // Windows' own codes

enum : int { VK_UNKNOWN = 0xFF };
#else
enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_NUMPAD0 = 0x60,
    VK_F1 = 0x70,
    VK_F4 = 0x73,
    VK_F10 = 0x79,
    VK_F12 = 0x7B,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,  // also Alt Gr
    VK_UNKNOWN = 0xFF,
};
#endif

int VirtualKeyFromEvent(const wxKeyEvent& event);

// Shift, Ctrl, Alt, Alt Gr and Caps Lock: keys that change what the others type.
bool IsModifierKey(int vk);

// The translation itself: the toolkit's key code, the key symbol the layout produced (with
// Shift and the layout group applied) and the hardware key code (X numbering: 8 + the
// kernel's code, so 10..19 are the digit row on a PC keyboard).
int VirtualKeyFrom(int keyCode, unsigned keySym, unsigned hardwareCode);

// A key Windows delivers as a system key (Alt itself, any key with Alt held, F10): such keys
// never reach the play window's key handler.
bool IsSystemKey(const wxKeyEvent& event);
