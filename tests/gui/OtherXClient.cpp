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

namespace {
// Runs `act` on the first top-level window whose title begins with `title`, as another X
// client (without a window manager, the top-level windows are the root's children).
template <typename Act>
bool OnTopLevelWindow(const std::string& title, Act act) {
    wxYield();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    bool bFound = false;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !bFound; ++i) {
            char* name = nullptr;
            if (XFetchName(display, children[i], &name) && name != nullptr) {
                if (std::string(name).compare(0, title.size(), title) == 0) {
                    act(display, children[i]);
                    bFound = true;
                }
                XFree(name);
            }
        }
        XFree(children);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return bFound;
}
}  // namespace

bool DestroyTopLevelWindow(const std::string& title) {
    return OnTopLevelWindow(title, [](Display* d, Window w) { XDestroyWindow(d, w); });
}

bool UnmapTopLevelWindow(const std::string& title) {
    return OnTopLevelWindow(title, [](Display* d, Window w) { XUnmapWindow(d, w); });
}

bool IsTopLevelWindowViewable(const std::string& title) {
    bool bViewable = false;
    OnTopLevelWindow(title, [&bViewable](Display* d, Window w) {
        XWindowAttributes attributes;
        bViewable = XGetWindowAttributes(d, w, &attributes) && attributes.map_state == IsViewable;
    });
    return bViewable;
}

bool SendCloseRequest(const std::string& title) {
    return OnTopLevelWindow(title, [](Display* d, Window w) {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, w, False, NoEventMask, &event);
    });
}

std::vector<long> TopLevelWindowProperty(const std::string& title, const char* property) {
    std::vector<long> values;
    OnTopLevelWindow(title, [&values, property](Display* d, Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, w, XInternAtom(d, property, False), 0, 64, False, AnyPropertyType,
                               &type, &format, &count, &after, &data) == Success &&
            data != nullptr) {
            if (format == 32) {
                const long* longs = reinterpret_cast<const long*>(data);
                values.assign(longs, longs + count);
            }
            XFree(data);
        }
    });
    return values;
}
