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
