#include <gtest/gtest.h>
#include <wx/event.h>

#include "platform/VirtualKey.h"
#include "play/KeyboardHook.h"

namespace {
wxKeyEvent Key(int code, unsigned raw = 0, bool bCtrl = false, bool bAlt = false) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = code;
    event.m_rawCode = raw;
    event.SetControlDown(bCtrl);
    event.SetAltDown(bAlt);
    return event;
}

struct HookHeld {
    HookHeld() { g_hKeyboardHook = 42; }
    ~HookHeld() { g_hKeyboardHook = 0; }
};
}  // namespace

TEST(KeyboardHook, SwallowsTheKeysThatLeaveOrSwitchPrograms) {
    HookHeld held;
    for (int vk : {int(VK_TAB), int(VK_LWIN), int(VK_RWIN), int(VK_F1), int(VK_F4), int(VK_F12),
                   int(VK_ESCAPE)}) {
        EXPECT_EQ(KeyboardHookProc(vk, false), 1) << vk;
        EXPECT_EQ(KeyboardHookProc(vk, true), 1) << vk;
    }
    EXPECT_EQ(KeyboardHookProc(VK_SPACE, true), 1);
    EXPECT_EQ(KeyboardHookProc(VK_SPACE, false), 0);
    for (int vk :
         {int('A'), int('K'), int('9'), int(VK_RETURN), int(VK_F10), VK_F1 + 1, int(VK_CONTROL)}) {
        EXPECT_EQ(KeyboardHookProc(vk, false), 0) << vk;
    }
}

TEST(KeyboardHook, SwallowsNothingWithoutTheLock) {
    g_hKeyboardHook = 0;
    EXPECT_EQ(KeyboardHookProc(VK_TAB, false), 0);
    EXPECT_EQ(KeyboardHookProc(VK_SPACE, true), 0);
}

TEST(VirtualKey, TranslatesKeyEventsToVirtualKeys) {
    EXPECT_EQ(VirtualKeyFromEvent(Key('K')), 'K');
    EXPECT_EQ(VirtualKeyFromEvent(Key('k')), 'K');
    EXPECT_EQ(VirtualKeyFromEvent(Key('4')), '4');
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_NUMPAD4)), 0x64);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_F1)), VK_F1);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_F12)), VK_F12);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_TAB)), VK_TAB);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_ESCAPE)), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_ALT, 0xffeb)), VK_LWIN);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_ALT, 0xffec)), VK_RWIN);
    EXPECT_EQ(VirtualKeyFromEvent(Key(WXK_ALT, 0xffe9)), VK_MENU);
    // Punctuation never lands on a letter, a digit or a swallowed key.
    for (int code : {'[', ']', '\\', ';', ',', '.', '/', '`', '\'', '-', '='}) {
        int vk = VirtualKeyFromEvent(Key(code));
        EXPECT_TRUE(vk >= 0xBA && vk <= 0xDF) << char(code);
    }
}

TEST(VirtualKey, AltChordsAndF10AreSystemKeys) {
    EXPECT_TRUE(IsSystemKey(Key(WXK_ALT, 0xffe9)));
    EXPECT_TRUE(IsSystemKey(Key('K', 0, false, true)));
    EXPECT_TRUE(IsSystemKey(Key(WXK_F10)));
    EXPECT_FALSE(IsSystemKey(Key(WXK_ALT, 0xffeb)));  // a Windows key
    EXPECT_FALSE(IsSystemKey(Key('K', 0, true)));
}
