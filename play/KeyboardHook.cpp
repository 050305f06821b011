#include "play/KeyboardHook.h"

#include "platform/InputLock.h"
#include "platform/VirtualKey.h"

int g_hKeyboardHook = 0;

int KeyboardHookProc(int vk, bool bCtrlDown) {
    if (g_hKeyboardHook == 0) {
        return 0;
    }
    switch (vk) {
        case VK_TAB:
        case VK_LWIN:
        case VK_RWIN:
        case VK_F1:
        case VK_F12:
        case VK_F4:
        case VK_ESCAPE:
            return 1;
        case VK_SPACE:
            return bCtrlDown ? 1 : 0;
        default:
            return 0;
    }
}

void InstallKeyboardHook() {
    g_hKeyboardHook = TakeInputLock(KeyboardHookProc);
}

void RemoveKeyboardHook() {
    ReleaseInputLock(g_hKeyboardHook);
    g_hKeyboardHook = 0;
}
