#include "platform/ShortcutsPermission.h"

// No Windows desktop asks its user before a program holds its shortcuts.
bool DesktopKeepsShortcutsAnswer() {
    return false;
}

ShortcutsAnswer KeptShortcutsAnswer(const std::string&) {
    return ShortcutsAnswer::None;
}

bool KeepShortcutsAllowed(const std::string&, std::string& error) {
    error = "not kept on Windows";
    return false;
}
