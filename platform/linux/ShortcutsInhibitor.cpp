#include "platform/linux/ShortcutsInhibitor.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#include <wayland-client.h>

#include <cstring>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"
#endif

#ifdef GDK_WINDOWING_WAYLAND
namespace {

// The compositor's manager of the holds, bound once for the program on a queue of our own,
// so that its answers are read with the toolkit's but handled only when the lock looks.
struct Manager {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
    bool bLooked = false;
};

Manager& TheManager() {
    static Manager s_manager;
    return s_manager;
}

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* manager = static_cast<Manager*>(data);
    if (manager->manager == nullptr &&
        std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0) {
        manager->manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

// The manager, looked for once in the compositor's list of globals; null when it has none.
Manager* FindManager() {
    Manager& manager = TheManager();
    if (manager.bLooked) {
        return manager.manager != nullptr ? &manager : nullptr;
    }
    manager.bLooked = true;
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr || !GDK_IS_WAYLAND_DISPLAY(display)) {
        return nullptr;
    }
    manager.display = gdk_wayland_display_get_wl_display(display);
    manager.queue = wl_display_create_queue(manager.display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(manager.display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), manager.queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_registry_add_listener(registry, &kRegistryListener, &manager);
    wl_display_roundtrip_queue(manager.display, manager.queue);
    wl_registry_destroy(registry);
    return manager.manager != nullptr ? &manager : nullptr;
}

}  // namespace
#endif

bool CShortcutsInhibitor::OnWayland() {
#ifdef GDK_WINDOWING_WAYLAND
    GdkDisplay* display = gdk_display_get_default();
    return display != nullptr && GDK_IS_WAYLAND_DISPLAY(display);
#else
    return false;
#endif
}

bool CShortcutsInhibitor::Offered() {
#ifdef GDK_WINDOWING_WAYLAND
    return FindManager() != nullptr;
#else
    return false;
#endif
}

CShortcutsInhibitor::CShortcutsInhibitor(GtkWidget* widget)
    : m_pWidget(GTK_WIDGET(g_object_ref(widget))) {}

CShortcutsInhibitor::~CShortcutsInhibitor() {
    Release();
    g_object_unref(m_pWidget);
}

void CShortcutsInhibitor::Release() {
#ifdef GDK_WINDOWING_WAYLAND
    if (m_pInhibitor != nullptr) {
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(m_pInhibitor);
        wl_display_flush(TheManager().display);
    }
#endif
    m_pInhibitor = nullptr;
    m_pSurface = nullptr;
    m_state = State::Unasked;
}

bool CShortcutsInhibitor::Request(bool bAgain) {
#ifdef GDK_WINDOWING_WAYLAND
    Manager* manager = FindManager();
    GdkWindow* window = gtk_widget_get_window(m_pWidget);
    if (manager == nullptr || window == nullptr || !GDK_IS_WAYLAND_WINDOW(window)) {
        return false;
    }
    wl_surface* surface = gdk_wayland_window_get_wl_surface(window);
    if (surface == nullptr) {
        Release();
        return false;
    }
    if (surface == m_pSurface && !(bAgain && GetState() != State::Active)) {
        return false;
    }
    Release();
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
    static const zwp_keyboard_shortcuts_inhibitor_v1_listener kListener = {OnActive, OnInactive};
    m_pInhibitor = zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(
        manager->manager, surface, gdk_wayland_seat_get_wl_seat(seat));
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(m_pInhibitor, &kListener, this);
    wl_display_flush(manager->display);
    m_pSurface = surface;
    m_state = State::Requested;
    m_nRequestedAt = g_get_monotonic_time();
    return true;
#else
    (void)bAgain;
    return false;
#endif
}

CShortcutsInhibitor::State CShortcutsInhibitor::GetState() {
#ifdef GDK_WINDOWING_WAYLAND
    Manager& manager = TheManager();
    if (manager.queue != nullptr) {
        wl_display_dispatch_queue_pending(manager.display, manager.queue);
    }
#endif
    return m_state;
}

void CShortcutsInhibitor::OnActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    static_cast<CShortcutsInhibitor*>(data)->m_state = State::Active;
}

void CShortcutsInhibitor::OnInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    static_cast<CShortcutsInhibitor*>(data)->m_state = State::Inactive;
}
