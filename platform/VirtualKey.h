// Keys as the original platform's virtual-key codes, translated from key events in this one
// place: letters 'A'..'Z' whatever the case, the digit row '0'..'9', the keypad digits as
// their own codes, F1..F24 from 0x70, the Windows keys as 0x5B and 0x5C.
#pragma once

class wxKeyEvent;

enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_NUMPAD0 = 0x60,
    VK_F1 = 0x70,
    VK_F4 = 0x73,
    VK_F10 = 0x79,
    VK_F12 = 0x7B,
    VK_UNKNOWN = 0xFF,
};

int VirtualKeyFromEvent(const wxKeyEvent& event);

// A key the original platform delivers as a system key (Alt itself, any key with Alt held,
// F10): such keys never reach the play window's key handler.
bool IsSystemKey(const wxKeyEvent& event);
