// The program's windows that a game keeps out of the child's reach: the welcome dialog (the
// game runs while it is open) and any other window of ours, such as the help window. A click
// that fell through to one of them, or a desktop that gave it the focus, would hand it the
// keyboard, outside the lock. They are hidden for the game and shown again when it ends, in
// the same place, without the framework knowing (hiding a modal dialog through it would end
// the dialog).
#pragma once

#include <functional>
#include <memory>

class wxEvtHandler;

class CHiddenWindows {
public:
    CHiddenWindows();
    ~CHiddenWindows();
    CHiddenWindows(const CHiddenWindows&) = delete;
    CHiddenWindows& operator=(const CHiddenWindows&) = delete;

    // Hides every window of the program that is shown now.
    void HideAll();
    // Shows them again where they were, the last hidden first, so the first comes out on top.
    void ShowAgain();
    // Has `owner` call `then` once the windows shown again have been drawn, or half a second
    // later at the latest; at once when no window is on its way back. A compositor stacks
    // windows in the order they first show, so a message opened sooner could come out below
    // the window it belongs to.
    void WhenShown(wxEvtHandler* owner, std::function<void()> then);

private:
    struct Windows;  // the system's windows, hidden and on their way back
    std::unique_ptr<Windows> m_windows;
};
