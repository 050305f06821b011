#include "platform/windows/LowLevelHook.h"

bool CLowLevelHook::Install() {
    Remove();
    m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, m_procedure, GetModuleHandleW(nullptr), 0);
    return m_hook != nullptr;
}

bool CLowLevelHook::Renew() {
    HHOOK old = m_hook;
    m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, m_procedure, GetModuleHandleW(nullptr), 0);
    const bool bOldWasThere = old == nullptr || UnhookWindowsHookEx(old) != FALSE;
    return m_hook != nullptr && bOldWasThere;
}

void CLowLevelHook::Remove() {
    if (m_hook != nullptr) {
        UnhookWindowsHookEx(m_hook);
        m_hook = nullptr;
    }
}
