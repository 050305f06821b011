#include "play/QuitCode.h"

#include "platform/VirtualKey.h"

namespace {
// c1 to c7 of "kolo479"; c2 and c4 are the same key.
constexpr int kC1 = 'K', kC2 = 'O', kC3 = 'L', kC5 = '4', kC6 = '7', kC7 = '9';
}  // namespace

QuitStep AdvanceQuitCode(int& state, int vk) {
    // A parent on a French keyboard types each digit of the code with Shift, and may let go
    // of it in between: a modifier pressed alone leaves the code where it was.
    if (IsModifierKey(vk)) {
        return QuitStep::Continue;
    }
    switch (vk) {
        case kC1:
            state = 1;
            break;
        case kC2:
            state = state == 1 ? 2 : state == 3 ? 4 : 0;
            break;
        case kC3:
            state = state == 2 ? 3 : 0;
            break;
        case kC5:
            state = state == 4 ? 5 : 0;
            break;
        case kC6:
            state = state == 5 ? 6 : 0;
            break;
        case kC7:
            if (state == 6) {
                state = 0;
                return QuitStep::Quit;
            }
            state = 0;
            break;
        case 'A':
            state = 0;
            return QuitStep::Replay;
        default:
            state = 0;
            break;
    }
    return QuitStep::Continue;
}
