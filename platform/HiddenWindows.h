// The program's windows that a game keeps out of the child's reach: the welcome dialog (the
// game runs while it is open) and any other window of ours, such as the help window. A click
// that fell through to one of them, or a desktop that gave it the focus, would hand it the
// keyboard, outside the lock. They are hidden for the game and shown again when it ends, in
// the same place, without the framework knowing (hiding a modal dialog through it would end
// the dialog).
#pragma once

#include <vector>

typedef struct _GtkWidget GtkWidget;

class CHiddenWindows {
public:
    CHiddenWindows() = default;
    ~CHiddenWindows();
    CHiddenWindows(const CHiddenWindows&) = delete;
    CHiddenWindows& operator=(const CHiddenWindows&) = delete;

    // Hides every window of the program that is shown now.
    void HideAll();
    // Shows them again where they were, the last hidden first, so the first comes out on top.
    void ShowAgain();

private:
    struct Hidden {
        GtkWidget* widget;  // a reference of ours
        int x, y;
    };
    std::vector<Hidden> m_hidden;
};
