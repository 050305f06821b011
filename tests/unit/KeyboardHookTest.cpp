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
    // Alt Gr, whatever the toolkit calls it, and the other modifiers.
    EXPECT_EQ(VirtualKeyFrom(0, 0xfe03, 108), VK_RMENU);
    EXPECT_EQ(VirtualKeyFrom(WXK_SHIFT, 0xffe1, 50), VK_SHIFT);
    EXPECT_EQ(VirtualKeyFrom(WXK_CAPITAL, 0xffe5, 66), VK_CAPITAL);
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

// Key symbols and hardware codes as X reports them for a PC keyboard.
TEST(VirtualKey, DigitRowCountsByPositionInEveryLayoutAndShiftState) {
    // US with Shift held: Shift+9 and Shift+0 arrive as parentheses.
    EXPECT_EQ(VirtualKeyFrom('(', 0x28, 18), '9');
    EXPECT_EQ(VirtualKeyFrom(')', 0x29, 19), '0');
    EXPECT_EQ(VirtualKeyFrom('$', 0x24, 13), '4');
    // French: the row types &, é, ", ', (, -, è, _, ç, à without Shift.
    EXPECT_EQ(VirtualKeyFrom(0, 0xe9, 11), '2');     // eacute
    EXPECT_EQ(VirtualKeyFrom('\'', 0x27, 13), '4');  // apostrophe
    EXPECT_EQ(VirtualKeyFrom(0, 0xe8, 16), '7');     // egrave
    EXPECT_EQ(VirtualKeyFrom(0, 0xe7, 18), '9');     // ccedilla
    EXPECT_EQ(VirtualKeyFrom('9', 0x39, 18), '9');   // with Shift
    // The keypad's digits stay keys of their own.
    EXPECT_EQ(VirtualKeyFrom(WXK_NUMPAD4, 0xffb4, 83), 0x64);
    EXPECT_EQ(VirtualKeyFrom(WXK_NUMPAD_LEFT, 0xff96, 83), 0x25);
}

TEST(VirtualKey, LettersFollowTheLayoutOrTheUsPositionWithoutLatinLetters) {
    EXPECT_EQ(VirtualKeyFrom('K', 'k', 45), 'K');
    EXPECT_EQ(VirtualKeyFrom('K', 'K', 45), 'K');  // Shift or Caps Lock
    // French: A and Q, M beside L; German: Y and Z change places.
    EXPECT_EQ(VirtualKeyFrom('A', 'a', 24), 'A');
    EXPECT_EQ(VirtualKeyFrom('M', 'm', 47), 'M');
    EXPECT_EQ(VirtualKeyFrom('Z', 'z', 29), 'Z');
    EXPECT_EQ(VirtualKeyFrom('Y', 'y', 52), 'Y');
    // Russian: Cyrillic letters are the US letters of their keys (л on K, д on L, щ on O).
    EXPECT_EQ(VirtualKeyFrom(0, 0x6cc, 45), 'K');
    EXPECT_EQ(VirtualKeyFrom(0, 0x6c4, 46), 'L');
    EXPECT_EQ(VirtualKeyFrom(0, 0x6dd, 32), 'O');
    // Punctuation by position: the Russian х lies where US has [.
    EXPECT_EQ(VirtualKeyFrom(0, 0x6c8, 34), 0xDB);
    // A virtual keyboard (an on-screen keyboard, a remote desktop) numbers its keys freely:
    // what the key types counts, not where a PC keyboard has that number.
    EXPECT_EQ(VirtualKeyFrom('K', 'k', 12), 'K');
    EXPECT_EQ(VirtualKeyFrom('9', '9', 11), '9');
    EXPECT_EQ(VirtualKeyFrom(WXK_SPACE, ' ', 13), VK_SPACE);
    // Special keys whatever the layout.
    EXPECT_EQ(VirtualKeyFrom(WXK_TAB, 0xff09, 23), VK_TAB);
    EXPECT_EQ(VirtualKeyFrom(WXK_ESCAPE, 0xff1b, 9), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyFrom(WXK_SPACE, 0x20, 65), VK_SPACE);
    EXPECT_EQ(VirtualKeyFrom(WXK_ALT, 0xffeb, 133), VK_LWIN);
}
