#include "platform/SystemPlaces.h"

// Windows' headers first through our own, which undoes the macros that rename ours.
#include "platform/windows/WideText.h"

#include <shlobj.h>
#include <wx/uilocale.h>

#include <filesystem>

#include "platform/FileSystem.h"

// A Windows program keeps what it ships beside its executable, in its application directory.
const char* const SHIPPED_DATA_FROM_PROGRAM = ".";

const char* const CATALOGS_FROM_PROGRAM = "locale";

const char* const APP_DIR_NAME = "Plinkapad";

const char* const HELP_VIEWER_MODULE = "hhctrl.ocx";

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* folder = nullptr;
    std::wstring path;
    if (SHGetKnownFolderPath(id, 0, nullptr, &folder) == S_OK) {
        path = folder;
    }
    CoTaskMemFree(folder);
    return path;
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

// Each user's data of programs lives in their local application data (%LOCALAPPDATA%).
std::string UserDataHome() {
    const std::wstring home = KnownFolder(FOLDERID_LocalAppData);
    return home.empty() ? std::string() : ProgramPath(home);
}

std::string BuiltInHelpViewer() {
    std::string exe;
    return GetModuleFileName(exe) ? exe : std::string();
}

bool IsSharedProgramFolder(const std::string& folder) {
    const std::wstring path = Lower(WidePath(folder)) + L"\\";
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86}) {
        const std::wstring shared = KnownFolder(id);
        if (!shared.empty() && path.rfind(Lower(shared) + L"\\", 0) == 0) {
            return true;
        }
    }
    return false;
}

// The executable, the import program and every library beside them, whatever FFmpeg's
// libraries are named in this build.
std::vector<std::string> ProgramFileNames() {
    std::vector<std::string> names = {"locale"};  // the catalogs
    std::string exe;
    if (!GetModuleFileName(exe)) {
        return names;
    }
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(WidePath(FolderOf(exe)), error)) {
        const std::wstring extension = Lower(entry.path().extension().wstring());
        if (extension == L".exe" || extension == L".dll") {
            names.push_back(ProgramPath(entry.path().filename().wstring()));
        }
    }
    return names;
}

std::vector<std::string> PreferredLanguages() {
    std::vector<std::string> languages;
    for (const wxString& language : wxUILocale::GetPreferredUILanguages()) {
        languages.push_back(language.utf8_string());
    }
    // Before Windows 10 the framework finds no display languages (it takes the user
    // locale's success for a failure): the system's language stands behind the list.
    languages.push_back(
        wxUILocale::GetLanguageCanonicalName(wxUILocale::GetSystemLanguage()).utf8_string());
    return languages;
}
