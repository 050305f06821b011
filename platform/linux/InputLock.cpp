#include "platform/InputLock.h"

#include <gtk/gtk.h>
#include <wx/event.h>
#include <wx/window.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#include <algorithm>
#include <memory>
#include <optional>
#include <ranges>
#include <utility>
#include <vector>

#include "platform/TerminationSignals.h"
#include "platform/linux/ShortcutsInhibitor.h"

namespace {

// A window the lock holds input for: the play window first, then the covers.
struct LockedWindow {
    explicit LockedWindow(GtkWidget* w) : widget(GTK_WIDGET(g_object_ref(w))), inhibitor(w) {}
    ~LockedWindow() {
        for (gulong handler : handlers) {
            g_signal_handler_disconnect(widget, handler);
        }
        g_object_unref(widget);
    }
    LockedWindow(const LockedWindow&) = delete;
    LockedWindow& operator=(const LockedWindow&) = delete;

    GtkWidget* widget;
    std::vector<gulong> handlers;
    CShortcutsInhibitor inhibitor;  // asked for on Wayland only
    bool bAskedFocused = false;     // whether it was asked for while the window had the focus
};

int s_nHandle = 0;
int s_nNextHandle = 1;

std::vector<std::unique_ptr<LockedWindow>> s_windows;
guint s_nWatch = 0;
guint s_nWatchPeriod = 0;
guint s_nFocusCheck = 0;
wxEvtHandler* s_pOwner = nullptr;
std::function<void(LockLoss)> s_onFailed;
std::optional<CLockDeadline> s_deadline;
bool s_bWayland = false;
bool s_bKeyboard = false;  // the keyboard (with the desktop's shortcuts) as last seen held
bool s_bPointer = false;

// The watch runs often while the lock is missing (the window manager has not mapped the
// window yet, another program holds the keyboard), then slowly.
constexpr guint kWatchMs = 10;
constexpr guint kSlowWatchMs = 200;
// How long the lock may take at the start of a game: a Wayland desktop may ask its user
// first. How long it may then be missing before the game gives up.
constexpr gint64 kGrantMicroseconds = 3 * G_USEC_PER_SEC;
constexpr gint64 kWaylandGrantMicroseconds = 5 * G_USEC_PER_SEC;
constexpr gint64 kKeepMicroseconds = 3 * G_USEC_PER_SEC;
// A hold of the shortcuts that is not active on the focused window is asked for again, at
// most this often.
constexpr gint64 kAskAgainMicroseconds = G_USEC_PER_SEC;
// How soon after a window of the game lost the focus it is looked for again.
constexpr guint kFocusCheckMs = 100;

GtkWidget* PlayWidget() {
    return s_windows.empty() ? nullptr : s_windows.front()->widget;
}

// Another program may destroy a window of ours between our look at it and a request about
// it. The server then answers BadWindow, which the toolkit's handler would make the end of
// the program; the requests made between these two calls have their errors ignored.
void IgnoreXErrorsFrom(GdkDisplay* display) {
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        gdk_x11_display_error_trap_push(display);
    }
#endif
}
void IgnoreXErrorsUntilHere(GdkDisplay* display) {
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        gdk_x11_display_error_trap_pop_ignored(display);
    }
#endif
}

// Releases whatever we may hold; releasing what is not held does nothing.
void Ungrab() {
    s_bKeyboard = false;
    s_bPointer = false;
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr) {
        return;
    }
    IgnoreXErrorsFrom(display);
    gdk_seat_ungrab(gdk_display_get_default_seat(display));
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_DISPLAY(display)) {
        XUngrabPointer(GDK_DISPLAY_XDISPLAY(display), CurrentTime);
    }
#endif
    gdk_display_flush(display);
    IgnoreXErrorsUntilHere(display);
}

bool Viewable(GtkWidget* widget) {
    GdkWindow* window = gtk_widget_get_window(widget);
    return window != nullptr && gdk_window_is_viewable(window);
}

// Wayland: no client grabs anything. Each window of the game asks the compositor to hold
// its shortcuts; the one that has the focus gets the keys, and the lock is held while a
// hold is active. The compositor gives a full-screen window every click over it.
bool TryHoldShortcuts() {
    const gint64 now = g_get_monotonic_time();
    bool bHeld = false;
    for (const auto& locked : s_windows) {
        if (!Viewable(locked->widget)) {
            continue;
        }
        const bool bFocused =
            GTK_IS_WINDOW(locked->widget) && gtk_window_is_active(GTK_WINDOW(locked->widget));
        // Some compositors grant a hold only to a window that has the focus when it asks,
        // and the user may take a granted one back: the focused window asks again, unless
        // it asked with the focus and its desktop is still deciding (asking its user).
        const CShortcutsInhibitor::State state = locked->inhibitor.GetState();
        const bool bAgain =
            bFocused && now - locked->inhibitor.RequestedAt() >= kAskAgainMicroseconds &&
            (state == CShortcutsInhibitor::State::Inactive ||
             (state == CShortcutsInhibitor::State::Requested && !locked->bAskedFocused));
        if (locked->inhibitor.Request(bAgain)) {
            locked->bAskedFocused = bFocused;
        }
        bHeld = bHeld || locked->inhibitor.GetState() == CShortcutsInhibitor::State::Active;
    }
    s_bKeyboard = bHeld;
    s_bPointer = true;
    return bHeld;
}

// X11: the keyboard through the toolkit, and the pointer as a grab of our own, which also
// keeps the pointer inside the play window, so the window manager's own mouse actions
// (desktop switching on Alt + wheel) and other windows never see a click. A grab that is
// already ours is simply renewed.
bool TryGrab() {
    GtkWidget* widget = PlayWidget();
    if (widget == nullptr) {
        return false;
    }
    if (!Viewable(widget)) {
        s_bKeyboard = s_bPointer = false;  // the server dropped them with the mapping
        return false;
    }
    if (s_bWayland) {
        return TryHoldShortcuts();
    }
    GdkWindow* window = gtk_widget_get_window(widget);
    GdkDisplay* display = gdk_window_get_display(window);
    IgnoreXErrorsFrom(display);
    GdkSeat* seat = gdk_display_get_default_seat(display);
    if (!s_bKeyboard || !gdk_display_device_is_grabbed(display, gdk_seat_get_keyboard(seat))) {
        s_bKeyboard = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_KEYBOARD, TRUE, nullptr,
                                    nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS;
    }
#ifdef GDK_WINDOWING_X11
    if (GDK_IS_X11_WINDOW(window)) {
        const Window xid = GDK_WINDOW_XID(window);
        s_bPointer =
            XGrabPointer(GDK_DISPLAY_XDISPLAY(display), xid, True,
                         ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                         GrabModeAsync, xid, None, CurrentTime) == GrabSuccess;
    }
#endif
    gdk_display_flush(display);
    IgnoreXErrorsUntilHere(display);
    return s_bKeyboard && s_bPointer;
}

// No window of the game has the keyboard focus: it goes back to the play window.
void KeepFocus() {
    GtkWidget* play = PlayWidget();
    if (play == nullptr || !GTK_IS_WINDOW(play) || !Viewable(play)) {
        return;
    }
    for (const auto& locked : s_windows) {
        if (GTK_IS_WINDOW(locked->widget) && gtk_window_is_active(GTK_WINDOW(locked->widget))) {
            return;
        }
    }
    // On Wayland the toolkit waits in a loop of its own for the compositor's answer to a
    // present, which never comes from a compositor that has gone.
    if (DisplayConnectionLost()) {
        return;
    }
    GdkDisplay* display = gtk_widget_get_display(play);
    IgnoreXErrorsFrom(display);
    gtk_window_present(GTK_WINDOW(play));
    IgnoreXErrorsUntilHere(display);
}

// The covers first and the play window last, so that no cover ever comes above it.
void RaiseAll() {
    for (const auto& locked : s_windows | std::views::reverse) {
        if (GdkWindow* window = gtk_widget_get_window(locked->widget)) {
            GdkDisplay* display = gdk_window_get_display(window);
            IgnoreXErrorsFrom(display);
            gdk_window_raise(window);
            IgnoreXErrorsUntilHere(display);
        }
    }
}

gboolean Watch(gpointer);

void StartWatch(guint period) {
    if (s_nWatch != 0) {
        g_source_remove(s_nWatch);
    }
    s_nWatchPeriod = period;
    s_nWatch = g_timeout_add(period, Watch, nullptr);
}

void ReportLoss(LockLoss loss) {
    if (loss == LockLoss::Kept || !s_onFailed) {
        return;
    }
    // Off Wayland nothing is granted: grabs that were never had are grabs lost.
    if (!s_bWayland) {
        loss = LockLoss::Lost;
    }
    // The owner ends the game from its own queue, where nothing of ours is running and no
    // exception reaches this C callback.
    try {
        s_pOwner->CallAfter([onFailed = std::move(s_onFailed), loss] { onFailed(loss); });
    } catch (...) {
        // No memory even for that: the watch goes on taking the lock.
    }
    s_onFailed = nullptr;
}

// Keeps the lock, the focus and the windows' place above the others for the whole game.
gboolean Watch(gpointer) {
    if (s_nHandle == 0 || s_windows.empty()) {
        s_nWatch = 0;
        return G_SOURCE_REMOVE;
    }
    const bool bHeld = TryGrab();
    if (bHeld) {
        KeepFocus();
        RaiseAll();
    }
    if (s_deadline) {
        ReportLoss(s_deadline->Update(bHeld, g_get_monotonic_time()));
    }
    // A lock the game may go without (the parent chose to play without the desktop's
    // shortcuts held) is looked for slowly.
    const guint period = bHeld || !s_deadline || !s_deadline->Required() ? kSlowWatchMs : kWatchMs;
    if (s_nWatchPeriod != period) {
        StartWatch(period);
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

// A window came back (mapped again after a desktop switch) or lost a grab: take the lock
// again at once.
gboolean OnMapOrGrabBroken(GtkWidget*, GdkEvent*, gpointer) {
    if (!s_bWayland) {
        s_bKeyboard = s_bPointer = false;
    }
    StartWatch(kWatchMs);
    return FALSE;
}

gboolean CheckFocus(gpointer) {
    s_nFocusCheck = 0;
    KeepFocus();
    return G_SOURCE_REMOVE;
}

// The focus may be on its way to another window of the game; it is looked for a moment
// later.
gboolean OnFocusOut(GtkWidget*, GdkEvent*, gpointer) {
    if (s_nFocusCheck == 0) {
        s_nFocusCheck = g_timeout_add(kFocusCheckMs, CheckFocus, nullptr);
    }
    return FALSE;
}

// Another program minimised or hid a window: it comes back and on top at once, and the lock
// with it, rather than leaving the child free input until the lock gives up.
void Restore(GtkWidget* widget) {
    // A window the toolkit hides itself (the game is ending) is no longer visible to it.
    if (!GTK_IS_WINDOW(widget) || !gtk_widget_get_visible(widget) || DisplayConnectionLost()) {
        return;
    }
    GdkDisplay* display = gtk_widget_get_display(widget);
    IgnoreXErrorsFrom(display);
    gtk_window_deiconify(GTK_WINDOW(widget));
    gtk_window_present(GTK_WINDOW(widget));
    IgnoreXErrorsUntilHere(display);
    OnMapOrGrabBroken(widget, nullptr, nullptr);
}

gboolean OnUnmap(GtkWidget* widget, GdkEvent*, gpointer) {
    Restore(widget);
    return FALSE;
}

gboolean OnWindowState(GtkWidget* widget, GdkEventWindowState* event, gpointer) {
    if ((event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0) {
        Restore(widget);
    }
    return FALSE;
}

void WatchWindow(LockedWindow& locked) {
    GtkWidget* widget = locked.widget;
    GdkDisplay* display = gtk_widget_get_display(widget);
    IgnoreXErrorsFrom(display);
    gtk_widget_add_events(widget, GDK_STRUCTURE_MASK | GDK_FOCUS_CHANGE_MASK);
    IgnoreXErrorsUntilHere(display);
    locked.handlers = {
        g_signal_connect(widget, "map-event", G_CALLBACK(OnMapOrGrabBroken), nullptr),
        g_signal_connect(widget, "grab-broken-event", G_CALLBACK(OnMapOrGrabBroken), nullptr),
        g_signal_connect(widget, "unmap-event", G_CALLBACK(OnUnmap), nullptr),
        g_signal_connect(widget, "window-state-event", G_CALLBACK(OnWindowState), nullptr),
        g_signal_connect(widget, "focus-out-event", G_CALLBACK(OnFocusOut), nullptr),
    };
}

void StopWatching() {
    for (guint* source : {&s_nWatch, &s_nFocusCheck}) {
        if (*source != 0) {
            g_source_remove(*source);
            *source = 0;
        }
    }
    s_nWatchPeriod = 0;
    s_windows.clear();
    s_pOwner = nullptr;
    s_onFailed = nullptr;
    s_deadline.reset();
}

GtkWidget* WidgetOf(wxWindow* window) {
    return window != nullptr ? window->GetHandle() : nullptr;
}

}  // namespace

int TakeInputLock(KeyFilter) {
    StopWatching();
    Ungrab();
    s_nHandle = s_nNextHandle++;
    return s_nHandle;
}

bool DesktopShortcutsCanBeHeld() {
    return !CShortcutsInhibitor::OnWayland() || CShortcutsInhibitor::Offered();
}

bool GrabInputFor(wxWindow* window, wxEvtHandler* owner, std::function<void(LockLoss)> onFailed,
                  bool bShortcutsRequired) {
    GtkWidget* widget = WidgetOf(window);
    if (s_nHandle == 0 || widget == nullptr || owner == nullptr) {
        return false;
    }
    StopWatching();
    Ungrab();
    s_bWayland = CShortcutsInhibitor::OnWayland();
    s_windows.push_back(std::make_unique<LockedWindow>(widget));
    WatchWindow(*s_windows.back());
    s_pOwner = owner;
    s_onFailed = std::move(onFailed);
    const bool bRequired = !s_bWayland || (bShortcutsRequired && CShortcutsInhibitor::Offered());
    s_deadline.emplace(g_get_monotonic_time(),
                       s_bWayland ? kWaylandGrantMicroseconds : kGrantMicroseconds,
                       kKeepMicroseconds, bRequired);
    const bool bGrabbed = TryGrab();
    StartWatch(bGrabbed ? kSlowWatchMs : kWatchMs);
    return bGrabbed;
}

void AddToInputLock(wxWindow* window) {
    GtkWidget* widget = WidgetOf(window);
    if (s_nHandle == 0 || s_windows.empty() || widget == nullptr) {
        return;
    }
    s_windows.push_back(std::make_unique<LockedWindow>(widget));
    WatchWindow(*s_windows.back());
    StartWatch(kWatchMs);
}

void RemoveFromInputLock(wxWindow* window) {
    GtkWidget* widget = WidgetOf(window);
    // The play window stays until the lock is released.
    const auto first = s_windows.empty() ? s_windows.end() : s_windows.begin() + 1;
    s_windows.erase(
        std::remove_if(first, s_windows.end(),
                       [widget](const auto& locked) { return locked->widget == widget; }),
        s_windows.end());
}

void RenewInputLock() {
    if (s_nHandle != 0 && !s_windows.empty()) {
        OnMapOrGrabBroken(nullptr, nullptr, nullptr);
    }
}

void ReleaseInputLock(int handle) {
    if (handle != 0 && handle == s_nHandle) {
        s_nHandle = 0;
    }
    StopWatching();
    Ungrab();
}

bool InputLockHeld() {
    return s_nHandle != 0;
}

bool InputGrabbed() {
    return s_bKeyboard && s_bPointer;
}
