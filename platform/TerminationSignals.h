// The signals that ask a program to end (SIGTERM at logout or shutdown, SIGHUP when its
// terminal goes, SIGINT from Ctrl+C), delivered to the event loop instead of killing the
// process, so a running game ends cleanly and the settings are saved. A lost connection to
// the display (the X server or the Wayland compositor ended) ends the program the same way,
// before the toolkit's own answer to it, which is to end the process on the spot.
#pragma once

#include <functional>

enum class Termination {
    Asked,        // a signal: the windows can still be closed
    DisplayLost,  // the display is gone, and every window with it: nothing can be shown
};

// Calls `handler` from the event loop whenever one of those signals arrives or the display
// connection is lost, until StopCallingOnTerminationSignals; a second call replaces the
// handler.
void CallOnTerminationSignals(std::function<void(Termination)> handler);
void StopCallingOnTerminationSignals();

// Whether the connection to the display is gone. A request that waits for the display's
// answer would then wait for ever.
bool DisplayConnectionLost();
