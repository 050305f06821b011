#include "platform/SystemPlaces.h"

#include "platform/windows/WideText.h"

#include <shlobj.h>

// A Windows program keeps what it ships beside its executable, in its application directory.
const char* const SHIPPED_DATA_FROM_PROGRAM = ".";

const char* const HELP_VIEWER_MODULE = "helpviewer.dll";

// Each user's data of programs lives in their local application data (%LOCALAPPDATA%).
std::string UserDataHome() {
    wchar_t* folder = nullptr;
    std::string home;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder) == S_OK) {
        home = ProgramPath(folder);
    }
    CoTaskMemFree(folder);
    return home;
}

std::vector<std::string> ProgramFileNames() {
    return {"plinkapad.exe", HELP_VIEWER_MODULE, "plinkapad-import.exe", "SDL2.dll"};
}
