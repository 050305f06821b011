#include "platform/SystemPlaces.h"

#include <cstdlib>
#include <sstream>

#include "platform/FileSystem.h"

// The install rules give the path of the shipped data relative to the executable's folder:
// lib/plinkapad to share/plinkapad under one prefix, as the file system hierarchy has it.
#ifndef PLINKAPAD_DATA_FROM_PROGRAM
#define PLINKAPAD_DATA_FROM_PROGRAM "../../share/plinkapad"
#endif

const char* const SHIPPED_DATA_FROM_PROGRAM = PLINKAPAD_DATA_FROM_PROGRAM;

#ifndef PLINKAPAD_LOCALE_FROM_PROGRAM
#define PLINKAPAD_LOCALE_FROM_PROGRAM "../../share/locale"
#endif
const char* const CATALOGS_FROM_PROGRAM = PLINKAPAD_LOCALE_FROM_PROGRAM;

const char* const APP_DIR_NAME = "plinkapad";

const char* const HELP_VIEWER_MODULE = "libhelpviewer.so";

std::string UserDataHome() {
    return XdgBaseDirectory("XDG_DATA_HOME", ".local/share");
}

std::string BuiltInHelpViewer() {
    return {};
}

// Installed copies are told by their shipped data's own folder.
bool IsSharedProgramFolder(const std::string&) {
    return false;
}

std::vector<std::string> ProgramFileNames() {
    return {"plinkapad", HELP_VIEWER_MODULE, "plinkapad-import", "locale"};
}

std::vector<std::string> PreferredLanguages() {
    std::vector<std::string> languages;
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0' ? value : nullptr;
    };
    if (const char* list = set("LANGUAGE")) {
        std::stringstream stream(list);
        for (std::string language; std::getline(stream, language, ':');) {
            languages.push_back(language);
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* locale = set(name)) {
            languages.push_back(locale);
            break;
        }
    }
    return languages;
}
