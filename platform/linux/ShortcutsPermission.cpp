#include "platform/ShortcutsPermission.h"

#include <gio/gio.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/linux/ShortcutsInhibitor.h"

namespace {

// The store's table and entry GNOME Shell reads and writes, and its values.
constexpr const char* kService = "org.freedesktop.impl.portal.PermissionStore";
constexpr const char* kPath = "/org/freedesktop/impl/portal/PermissionStore";
constexpr const char* kTable = "gnome";
constexpr const char* kEntry = "shortcuts-inhibitor";
constexpr const char* kGranted = "GRANTED";
// A store that does not answer at once is as good as none: the parent is waiting.
constexpr int kTimeoutMs = 2000;

struct VariantUnref {
    void operator()(GVariant* v) const { g_variant_unref(v); }
};
using Variant = std::unique_ptr<GVariant, VariantUnref>;

struct ErrorFree {
    void operator()(GError* e) const { g_error_free(e); }
};

// Calls a method of the store on the session bus; null, with the reason, when it fails.
Variant CallStore(const char* method, GVariant* parameters, const GVariantType* replyType,
                  std::string& error) {
    GError* raw = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &raw);
    if (bus == nullptr) {
        std::unique_ptr<GError, ErrorFree> failure(raw);
        error = failure ? failure->message : "no session bus";
        g_variant_unref(g_variant_ref_sink(parameters));
        return nullptr;
    }
    Variant reply(g_dbus_connection_call_sync(bus, kService, kPath, kService, method, parameters,
                                              replyType, G_DBUS_CALL_FLAGS_NONE, kTimeoutMs,
                                              nullptr, &raw));
    g_object_unref(bus);
    if (!reply) {
        std::unique_ptr<GError, ErrorFree> failure(raw);
        error = failure ? failure->message : "no answer";
    }
    return reply;
}

// The desktop entry the shell keeps the answer under.
std::string StoreKey(const std::string& appId) {
    return appId + ".desktop";
}

}  // namespace

bool DesktopKeepsShortcutsAnswer() {
    const char* desktops = std::getenv("XDG_CURRENT_DESKTOP");
    return CShortcutsInhibitor::OnWayland() && desktops != nullptr &&
           std::strstr(desktops, "GNOME") != nullptr;
}

ShortcutsAnswer KeptShortcutsAnswer(const std::string& appId) {
    std::string error;
    // An entry never written yet is an error of its own: nothing is kept.
    const Variant reply = CallStore("Lookup", g_variant_new("(ss)", kTable, kEntry),
                                    G_VARIANT_TYPE("(a{sas}v)"), error);
    if (!reply) {
        return ShortcutsAnswer::None;
    }
    const Variant permissions(g_variant_get_child_value(reply.get(), 0));
    const Variant answers(g_variant_lookup_value(permissions.get(), StoreKey(appId).c_str(),
                                                 G_VARIANT_TYPE_STRING_ARRAY));
    if (!answers) {
        return ShortcutsAnswer::None;
    }
    // As the shell reads it: the first value is the answer, and anything but a grant denies.
    if (g_variant_n_children(answers.get()) == 0) {
        return ShortcutsAnswer::Denied;
    }
    const Variant first(g_variant_get_child_value(answers.get(), 0));
    return std::strcmp(g_variant_get_string(first.get(), nullptr), kGranted) == 0
               ? ShortcutsAnswer::Allowed
               : ShortcutsAnswer::Denied;
}

bool KeepShortcutsAllowed(const std::string& appId, std::string& error) {
    const char* granted[] = {kGranted};
    GVariant* parameters = g_variant_new("(sbss@as)", kTable, TRUE, kEntry, StoreKey(appId).c_str(),
                                         g_variant_new_strv(granted, 1));
    return CallStore("SetPermission", parameters, nullptr, error) != nullptr;
}
