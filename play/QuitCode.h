// The quit code machine: "kolo479" typed as seven keys, compared by virtual-key code, so a
// letter counts in either case and a digit only on the digit row. State n means the first
// n keys have been typed. Modifier keys pressed alone (Shift, Ctrl, Alt Gr, Caps Lock) leave
// the state as it is.
#pragma once

// The code as the parent types it, the same in every language.
constexpr char kQuitCodeText[] = "kolo479";

enum class QuitStep {
    Continue,  // the key moved the machine; the caller goes on to a display
    Quit,      // the last key of the code: the game ends
    Replay,    // the A key: the caller replays the last sound instead of a display
};

// Moves `state` for the key `vk` and says what the key does.
QuitStep AdvanceQuitCode(int& state, int vk);
