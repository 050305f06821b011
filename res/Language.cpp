#include "res/Language.h"

#include <wx/arrstr.h>
#include <wx/translation.h>

#include <algorithm>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/SystemPlaces.h"

const char* const CATALOG_NAME = "plinkapad";

namespace {
// "de_DE.UTF-8@euro" and "pt-br" as "DE_DE" and "PT_BR".
std::string Normalized(std::string name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '-', '_');
    return ToUpper(name);
}

std::string g_language;
}  // namespace

std::string ChooseLanguage(const std::vector<std::string>& available,
                           const std::vector<std::string>& preferred) {
    auto find = [&](auto matches) {
        const auto it =
            std::find_if(available.begin(), available.end(),
                         [&](const std::string& name) { return matches(Normalized(name)); });
        return it == available.end() ? std::string() : *it;
    };
    for (const std::string& wanted : preferred) {
        const std::string name = Normalized(wanted);
        const std::string language = name.substr(0, name.find('_'));
        if (language == "EN") {
            return {};
        }
        if (language.empty() || name == "C" || name == "POSIX") {
            continue;
        }
        std::string found = find([&](const std::string& c) { return c == name; });
        if (found.empty()) {
            found = find([&](const std::string& c) { return c == language; });
        }
        if (found.empty() && name == language) {
            found = find([&](const std::string& c) { return c.rfind(language + "_", 0) == 0; });
        }
        if (!found.empty()) {
            return found;
        }
    }
    return {};
}

void UseParentsLanguage() {
    std::string exe;
    if (GetModuleFileName(exe)) {
        // A built or unpacked copy keeps its catalogs beside the executable; an installed one
        // in the system's locale folder (on Windows the same one).
        std::vector<std::string> folders = {"locale"};
        if (folders.front() != CATALOGS_FROM_PROGRAM) {
            folders.push_back(CATALOGS_FROM_PROGRAM);
        }
        for (const std::string& relative : folders) {
            wxFileTranslationsLoader::AddCatalogLookupPathPrefix(
                wxString::FromUTF8(PathJoin(FolderOf(exe), relative)));
        }
    }
    const std::vector<std::string> preferred = PreferredLanguages();
    auto translations = std::make_unique<wxTranslations>();
    std::vector<std::string> available;
    for (const wxString& language : translations->GetAvailableTranslations(CATALOG_NAME)) {
        available.push_back(language.utf8_string());
    }
    g_language = ChooseLanguage(available, preferred);
    if (!g_language.empty()) {
        // The framework's own catalog stays out: with it, a button labelled as the toolkit's
        // stock button becomes the toolkit's, in the toolkit's language, which is the C
        // locale's English where only LANGUAGE names the parent's.
        translations->SetLanguage(wxString::FromUTF8(g_language));
        translations->AddCatalog(CATALOG_NAME);
    }
    wxTranslations::Set(translations.release());  // the framework owns it from here
}

const std::string& CurrentLanguage() {
    return g_language;
}

std::string HelpFilePath(const std::string& appDir, const std::string& language) {
    const std::string bare = language.substr(0, language.find('_'));
    for (const std::string& name : {language, bare}) {
        const std::string path = PathJoin(appDir, "NUV2Help." + name + ".chm");
        if (!name.empty() && PathFileExists(path)) {
            return path;
        }
    }
    return PathJoin(appDir, "NUV2Help.chm");
}
