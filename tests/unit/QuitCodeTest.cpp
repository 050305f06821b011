#include <gtest/gtest.h>

#include <string>

#include "platform/VirtualKey.h"
#include "play/QuitCode.h"

namespace {
// Feeds the keys and returns the steps taken, one letter each: c(ontinue), q(uit), r(eplay).
std::string Type(const std::string& keys, int& state) {
    std::string steps;
    for (char key : keys) {
        switch (AdvanceQuitCode(state, key)) {
            case QuitStep::Continue:
                steps += 'c';
                break;
            case QuitStep::Quit:
                steps += 'q';
                break;
            case QuitStep::Replay:
                steps += 'r';
                break;
        }
    }
    return steps;
}
}  // namespace

TEST(QuitCode, TheCodeQuitsOnItsLastKeyOnly) {
    int state = 0;
    EXPECT_EQ(Type("KOLO479", state), "ccccccq");
    EXPECT_EQ(state, 0);
}

TEST(QuitCode, StrayKeysAndRepeatsReset) {
    int state = 0;
    EXPECT_EQ(Type("KOXLO479", state), "cccccccc");
    EXPECT_EQ(state, 0);
    EXPECT_EQ(Type("KOO", state), "ccc");  // 1, 2, then 0
    EXPECT_EQ(state, 0);
    EXPECT_EQ(Type("KOLO47", state), "cccccc");
    EXPECT_EQ(state, 6);
    EXPECT_EQ(Type("8", state), "c");
    EXPECT_EQ(state, 0);
}

TEST(QuitCode, FirstKeyRestartsTheCodeFromAnyState) {
    int state = 0;
    EXPECT_EQ(Type("KKOLO479", state), "cccccccq");
    EXPECT_EQ(Type("KOLOKOLO479", state).back(), 'q');
    EXPECT_EQ(Type("KOLO4K", state), "cccccc");
    EXPECT_EQ(state, 1);
}

TEST(QuitCode, KeypadDigitsAreOtherKeys) {
    int state = 0;
    Type("KOLO", state);
    EXPECT_EQ(AdvanceQuitCode(state, 0x64 /* keypad 4 */), QuitStep::Continue);
    EXPECT_EQ(state, 0);
}

TEST(QuitCode, TheAKeyResetsAndAsksForAReplay) {
    int state = 0;
    EXPECT_EQ(Type("KOLA", state), "cccr");
    EXPECT_EQ(state, 0);
}

// On a French keyboard the parent types each digit with Shift, letting go in between.
TEST(QuitCode, ModifiersPressedAloneLeaveTheCodeWhereItWas) {
    for (int modifier : {VK_SHIFT, VK_CONTROL, VK_CAPITAL, VK_RMENU, VK_LSHIFT, VK_RCONTROL}) {
        int state = 0;
        for (int key : {'K', 'O', 'L', 'O', '4', '7'}) {
            EXPECT_EQ(AdvanceQuitCode(state, modifier), QuitStep::Continue);
            AdvanceQuitCode(state, key);
        }
        EXPECT_EQ(AdvanceQuitCode(state, modifier), QuitStep::Continue);
        EXPECT_EQ(state, 6) << modifier;
        EXPECT_EQ(AdvanceQuitCode(state, '9'), QuitStep::Quit) << modifier;
    }
}
