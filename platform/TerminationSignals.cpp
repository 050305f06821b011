#include "platform/TerminationSignals.h"

#include <glib-unix.h>

#include <csignal>

void CallOnTerminationSignals(std::function<void()> handler) {
    // GLib turns the signal into an event of the main loop; the handler lives as long as the
    // program.
    static std::function<void()> s_handler;
    s_handler = std::move(handler);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        g_unix_signal_add(
            signal,
            [](gpointer) -> gboolean {
                if (s_handler) {
                    s_handler();
                }
                return G_SOURCE_CONTINUE;
            },
            nullptr);
    }
}
