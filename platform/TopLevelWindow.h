// What the play window and the help viewer need from the window system as top-level
// windows of their own beside the program's modal dialogs.
#pragma once

#include <functional>
#include <string>

class wxEvtHandler;
class wxWindow;

// A modal dialog keeps input from every other window of the program. The play window is
// opened while the welcome dialog runs modally, so it is put in a window group of its own,
// which the dialog's hold does not reach.
void ExemptFromModalDialogs(wxWindow* topLevel);

// Asks the window manager, if there is one, to show the window full screen on a monitor (by
// its number; the primary one unless told) above its own panels and above every other
// window, on every desktop; without one the window keeps the place and size it was given.
void AskForFullScreen(wxWindow* topLevel, int nMonitor = -1);

// Has `owner` call `onClose` (once, from the event loop) when the window is asked to close
// (by the window manager or another program) or another program destroys its native window
// behind the toolkit's back. The toolkit ignores close requests while a modal dialog runs,
// and the play window and the help window are opened from one; the owner decides instead,
// and destroys the window. With `bRequests` false only the destruction is watched, and close
// requests go on as the toolkit handles them. The owner must outlive the window.
void WatchCloseRequests(wxWindow* topLevel, wxEvtHandler* owner, std::function<void()> onClose,
                        bool bRequests = true);
// Stops that, before the owner lets the window go.
void StopWatchingCloseRequests(wxWindow* topLevel);

// Another program may destroy a window of ours at any moment (its welcome dialog while a game
// has it put away, say), and the toolkit may still make a request about that window before it
// hears of it. The X server then answers with an error, which the toolkit would make the end
// of the program. From this call on, an X error that no request of ours was watching for is
// let pass instead. Called once, at the start.
void SurviveWindowsDestroyedByOthers();

// Called once the toolkit has started, before the first window: the program's windows carry
// `appId` as their Wayland application id and X11 window class, so the desktop finds its
// desktop entry (its name and icon, and what the desktop remembers for it).
void NameTheProgram(const std::string& appId);

// Called before the toolkit starts: the program draws nothing with OpenGL, so the toolkit is
// told not to load a GL driver for it (Mesa's software driver alone holds about 48 MB).
void DoWithoutOpenGL();
