// GNOME asks its user before it lets a program hold the desktop's shortcuts, and keeps the
// answer in the desktop's permission store under the program's desktop entry: Allow, or Deny
// (which Escape gives), is the answer for every later game, and a kept Deny is never asked
// again. The parent can give the answer here instead, ahead of a game or after a Deny, as
// "flatpak permission-set" would.
#pragma once

#include <string>

enum class ShortcutsAnswer {
    None,     // not asked yet, or no store to keep it
    Allowed,  // granted for good
    Denied,   // refused for good
};

// Whether the desktop keeps such an answer: GNOME on Wayland.
bool DesktopKeepsShortcutsAnswer();

// The answer kept for the program whose desktop entry is `appId` + ".desktop".
ShortcutsAnswer KeptShortcutsAnswer(const std::string& appId);

// Keeps Allow for that program; false, with the reason in `error`, when the store could not
// be reached or refused it.
bool KeepShortcutsAllowed(const std::string& appId, std::string& error);
