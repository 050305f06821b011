// The signals that ask a program to end (SIGTERM at logout or shutdown, SIGHUP when its
// terminal goes, SIGINT from Ctrl+C), delivered to the event loop instead of killing the
// process, so a running game ends cleanly and the settings are saved.
#pragma once

#include <functional>

// Calls `handler` from the event loop whenever one of those signals arrives, until
// StopCallingOnTerminationSignals; a second call replaces the handler.
void CallOnTerminationSignals(std::function<void()> handler);
void StopCallingOnTerminationSignals();
