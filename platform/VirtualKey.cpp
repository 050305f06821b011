#include "platform/VirtualKey.h"

#include <wx/event.h>

static int FromKeySym(unsigned raw) {
    switch (raw) {
        case 0xffeb:  // Super_L
        case 0xffe7:  // Meta_L
            return VK_LWIN;
        case 0xffec:  // Super_R
        case 0xffe8:  // Meta_R
            return VK_RWIN;
        case 0xfe03:  // ISO_Level3_Shift, Alt Gr
        case 0xfe11:  // ISO_Level5_Shift
        case 0xff7e:  // Mode_switch
            return VK_RMENU;
        case 0xffe6:  // Shift_Lock
            return VK_CAPITAL;
        default:
            return 0;
    }
}

static int FromPunctuation(int code) {
    switch (code) {
        case ';':
            return 0xBA;
        case '=':
            return 0xBB;
        case ',':
            return 0xBC;
        case '-':
            return 0xBD;
        case '.':
            return 0xBE;
        case '/':
            return 0xBF;
        case '`':
            return 0xC0;
        case '[':
            return 0xDB;
        case '\\':
            return 0xDC;
        case ']':
            return 0xDD;
        case '\'':
            return 0xDE;
        default:
            return 0xDF;
    }
}

// The keys whose code depends on their place on a PC keyboard, by hardware key code: the
// digit row, and the letter and punctuation keys as a US keyboard has them.
static int FromPosition(unsigned hardwareCode) {
    static const char kDigitRow[] = "1234567890";
    static const char kTopRow[] = "QWERTYUIOP";
    static const char kHomeRow[] = "ASDFGHJKL";
    static const char kBottomRow[] = "ZXCVBNM";
    if (hardwareCode >= 10 && hardwareCode <= 19) {
        return kDigitRow[hardwareCode - 10];
    }
    if (hardwareCode >= 24 && hardwareCode <= 33) {
        return kTopRow[hardwareCode - 24];
    }
    if (hardwareCode >= 38 && hardwareCode <= 46) {
        return kHomeRow[hardwareCode - 38];
    }
    if (hardwareCode >= 52 && hardwareCode <= 58) {
        return kBottomRow[hardwareCode - 52];
    }
    switch (hardwareCode) {
        case 20:
            return 0xBD;  // - _
        case 21:
            return 0xBB;  // = +
        case 34:
            return 0xDB;  // [ {
        case 35:
            return 0xDD;  // ] }
        case 47:
            return 0xBA;  // ; :
        case 48:
            return 0xDE;  // ' "
        case 49:
            return 0xC0;  // ` ~
        case 51:
            return 0xDC;  // backslash |
        case 59:
            return 0xBC;  // , <
        case 60:
            return 0xBE;  // . >
        case 61:
            return 0xBF;  // / ?
        case 94:
            return 0xE2;  // the extra key beside the left Shift
        default:
            return 0;
    }
}

static bool IsDigitRow(unsigned hardwareCode) {
    return hardwareCode >= 10 && hardwareCode <= 19;
}

// Keys that are no characters: the toolkit names them the same in every layout.
static int FromSpecialKey(int code) {
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9) {
        return VK_NUMPAD0 + (code - WXK_NUMPAD0);
    }
    if (code >= WXK_F1 && code <= WXK_F24) {
        return VK_F1 + (code - WXK_F1);
    }
    switch (code) {
        case WXK_BACK:
            return VK_BACK;
        case WXK_TAB:
            return VK_TAB;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return VK_RETURN;
        case WXK_ESCAPE:
            return VK_ESCAPE;
        case WXK_SPACE:
        case WXK_NUMPAD_SPACE:
            return VK_SPACE;
        case WXK_SHIFT:
            return VK_SHIFT;
        case WXK_CONTROL:
            return VK_CONTROL;
        case WXK_ALT:
            return VK_MENU;
        case WXK_PAGEUP:
        case WXK_NUMPAD_PAGEUP:
            return 0x21;
        case WXK_PAGEDOWN:
        case WXK_NUMPAD_PAGEDOWN:
            return 0x22;
        case WXK_END:
        case WXK_NUMPAD_END:
            return 0x23;
        case WXK_HOME:
        case WXK_NUMPAD_HOME:
            return 0x24;
        case WXK_LEFT:
        case WXK_NUMPAD_LEFT:
            return 0x25;
        case WXK_UP:
        case WXK_NUMPAD_UP:
            return 0x26;
        case WXK_RIGHT:
        case WXK_NUMPAD_RIGHT:
            return 0x27;
        case WXK_DOWN:
        case WXK_NUMPAD_DOWN:
            return 0x28;
        case WXK_INSERT:
        case WXK_NUMPAD_INSERT:
            return 0x2D;
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
            return 0x2E;
        case WXK_NUMPAD_MULTIPLY:
            return 0x6A;
        case WXK_NUMPAD_ADD:
            return 0x6B;
        case WXK_NUMPAD_SUBTRACT:
            return 0x6D;
        case WXK_NUMPAD_DECIMAL:
            return 0x6E;
        case WXK_NUMPAD_DIVIDE:
            return 0x6F;
        case WXK_CAPITAL:
            return VK_CAPITAL;
        case WXK_NUMLOCK:
            return 0x90;
        case WXK_SCROLL:
            return 0x91;
        case WXK_PAUSE:
            return 0x13;
        case WXK_MENU:
            return 0x5D;
        default:
            return 0;
    }
}

int VirtualKeyFrom(int keyCode, unsigned keySym, unsigned hardwareCode) {
    if (int vk = FromKeySym(keySym)) {
        return vk;
    }
    // Letters by the layout: the key symbol is the letter the key types.
    if ((keySym >= 'A' && keySym <= 'Z') || (keySym >= 'a' && keySym <= 'z')) {
        return static_cast<int>(keySym & ~0x20u);
    }
    // A digit typed is its key of the digit row in every layout (the keypad's have symbols
    // of their own); what the row types otherwise (accents with a French layout, punctuation
    // with Shift) counts by position. Virtual keyboards number their keys freely, so the
    // symbols and the keys that are no characters come first.
    if (keySym >= '0' && keySym <= '9') {
        return static_cast<int>(keySym);
    }
    if (int vk = FromSpecialKey(keyCode)) {
        return vk;
    }
    if (IsDigitRow(hardwareCode)) {
        return FromPosition(hardwareCode);
    }
    // Layouts without Latin letters (Cyrillic, Greek) and punctuation: the US position.
    if (int vk = FromPosition(hardwareCode)) {
        return vk;
    }
    // No hardware code (an event made up by a program): what the toolkit says.
    if (keyCode >= 'A' && keyCode <= 'Z') {
        return keyCode;
    }
    if (keyCode >= 'a' && keyCode <= 'z') {
        return keyCode - 'a' + 'A';
    }
    if (keyCode >= '0' && keyCode <= '9') {
        return keyCode;
    }
    if (keyCode > ' ' && keyCode < 0x7F) {
        return FromPunctuation(keyCode);
    }
    return VK_UNKNOWN;
}

int VirtualKeyFromEvent(const wxKeyEvent& event) {
    return VirtualKeyFrom(event.GetKeyCode(), event.GetRawKeyCode(), event.GetRawKeyFlags());
}

bool IsModifierKey(int vk) {
    switch (vk) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_CAPITAL:
        case VK_LSHIFT:
        case VK_RSHIFT:
        case VK_LCONTROL:
        case VK_RCONTROL:
        case VK_LMENU:
        case VK_RMENU:
            return true;
        default:
            return false;
    }
}

bool IsSystemKey(const wxKeyEvent& event) {
    if (FromKeySym(event.GetRawKeyCode()) != 0) {
        return false;  // the Windows keys, which wx reports as Alt
    }
    return event.GetKeyCode() == WXK_ALT || event.AltDown() || event.GetKeyCode() == WXK_F10;
}
