// A keyboard hook Windows removed is found at its next renewal, and the renewal puts a hook
// back in place.
#include <gtest/gtest.h>

#include "platform/windows/LowLevelHook.h"

namespace {
LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST(LowLevelHook, ARemovedHookIsFoundAtItsRenewal) {
    CLowLevelHook hook(PassOn);
    ASSERT_TRUE(hook.Install());
    EXPECT_TRUE(hook.Renew());
    // What Windows does to a hook whose thread answered too late.
    ASSERT_TRUE(UnhookWindowsHookEx(hook.Handle()));
    EXPECT_FALSE(hook.Renew());
    EXPECT_NE(hook.Handle(), nullptr);
    EXPECT_TRUE(hook.Renew());
}
