// Plays another X client that wants the input.
//   try_grab            exit status 0 when the keyboard and the pointer could both be grabbed
//                       (and were released again), 1 when someone else holds either
//   try_grab hold SECS [pointer]
//                       holds the keyboard (or the pointer) for SECS seconds, as a program
//                       that keeps it would; says "held" on its output, or "refused", once
//                       the server has answered, so a test knows when to go on
// Exit status 2 without a display.
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "hold") == 0) {
        const bool bPointer = argc == 4 && std::strcmp(argv[3], "pointer") == 0;
        const bool bHeld =
            (bPointer ? XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync,
                                     GrabModeAsync, None, None, CurrentTime)
                      : XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync,
                                      CurrentTime)) == GrabSuccess;
        XSync(display, False);
        std::puts(bHeld ? "held" : "refused");
        std::fflush(stdout);
        usleep(static_cast<useconds_t>(std::atof(argv[2]) * 1e6));
        XCloseDisplay(display);
        return bHeld ? 0 : 1;
    }
    const bool bKeyboard = XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync,
                                         CurrentTime) == GrabSuccess;
    const bool bPointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync,
                                       GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    XUngrabKeyboard(display, CurrentTime);
    XUngrabPointer(display, CurrentTime);
    XCloseDisplay(display);
    return bKeyboard && bPointer ? 0 : 1;
}
