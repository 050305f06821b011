#include "platform/TerminationSignals.h"

#include <glib-unix.h>

#include <csignal>
#include <vector>

namespace {
std::function<void()> s_handler;
std::vector<guint> s_sources;

// GLib turns the signal into an event of the main loop, where the handler may do anything.
gboolean OnSignal(gpointer) {
    try {
        if (s_handler) {
            s_handler();
        }
    } catch (...) {
        // Nothing may cross into GLib; the next signal tries again.
    }
    return G_SOURCE_CONTINUE;
}
}  // namespace

void CallOnTerminationSignals(std::function<void()> handler) {
    StopCallingOnTerminationSignals();
    s_handler = std::move(handler);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        s_sources.push_back(g_unix_signal_add(signal, OnSignal, nullptr));
    }
}

void StopCallingOnTerminationSignals() {
    for (guint source : s_sources) {
        g_source_remove(source);
    }
    s_sources.clear();
    s_handler = nullptr;
}
