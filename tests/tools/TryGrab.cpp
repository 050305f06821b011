// Tries to take the keyboard as another X client would: exit status 0 when the grab
// succeeded (and was released again), 1 when someone else holds the keyboard, 2 without a
// display.
#include <X11/Xlib.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 2;
    }
    int status = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                               GrabModeAsync, CurrentTime);
    if (status == GrabSuccess) {
        XUngrabKeyboard(display, CurrentTime);
    }
    XCloseDisplay(display);
    return status == GrabSuccess ? 0 : 1;
}
