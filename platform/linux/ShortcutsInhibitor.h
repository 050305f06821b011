// A Wayland compositor's hold on its own keyboard shortcuts for one window of ours: while the
// hold is active, Super, Alt+Tab and the other keys the desktop keeps for itself reach the
// window instead. The toolkit asks for the hold only inside a keyboard grab and never says
// whether it was granted, so the lock asks for it here and watches the answer. A window's
// surface may hold one request per seat: the lock takes no toolkit keyboard grab on Wayland.
#pragma once

#include <cstdint>

typedef struct _GtkWidget GtkWidget;
struct zwp_keyboard_shortcuts_inhibitor_v1;
struct wl_surface;

class CShortcutsInhibitor {
public:
    enum class State { Unasked, Requested, Active, Inactive };

    // Whether the program shows its windows through a Wayland compositor.
    static bool OnWayland();
    // Whether that compositor offers to hold its shortcuts (false off Wayland).
    static bool Offered();

    explicit CShortcutsInhibitor(GtkWidget* widget);
    ~CShortcutsInhibitor();
    CShortcutsInhibitor(const CShortcutsInhibitor&) = delete;
    CShortcutsInhibitor& operator=(const CShortcutsInhibitor&) = delete;

    // Asks for the hold on the window's surface as it is now: anew when the surface changed
    // (the toolkit makes a new one each time the window is shown), or when `bAgain` and the
    // hold is not active. Does nothing while the window has no surface. Returns whether it
    // asked.
    bool Request(bool bAgain = false);
    // The compositor's last answer, after reading the answers that have arrived.
    State GetState();
    // Microseconds on the monotonic clock when the hold was last asked for.
    std::int64_t RequestedAt() const { return m_nRequestedAt; }

private:
    void Release();
    static void OnActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*);
    static void OnInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*);

    GtkWidget* m_pWidget;
    wl_surface* m_pSurface = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1* m_pInhibitor = nullptr;
    State m_state = State::Unasked;
    std::int64_t m_nRequestedAt = 0;
};
