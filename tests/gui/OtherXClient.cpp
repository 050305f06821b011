// What another X client sees of the test program's windows, and does to them.
// GoogleTest comes first: Xlib's None would break its headers.
#include "GuiTesting.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

std::uint32_t ScreenPixel(int x, int y) {
    wxYield();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 0xFFFFFFFF;
    }
    std::uint32_t colour = 0xFFFFFFFF;
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image != nullptr) {
        colour = static_cast<std::uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return colour;
}

bool DestroyTopLevelWindow(const std::string& title) {
    wxYield();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    bool bDestroyed = false;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !bDestroyed; ++i) {
            char* name = nullptr;
            if (XFetchName(display, children[i], &name) && name != nullptr) {
                if (title == name) {
                    XDestroyWindow(display, children[i]);
                    bDestroyed = true;
                }
                XFree(name);
            }
        }
        XFree(children);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return bDestroyed;
}
