// The binding to the help viewer, made at the first help request: the viewer module is
// looked for where the key store says it is registered, then by name, then (on Windows, whose
// HTML Help may be missing) in the program itself, which holds its own viewer; its entry point is
// looked up by name. Once bound it is reused without looking again; once failed it never
// tries again, for the rest of the run.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

// The viewer's entry point: owner window, "file.chm::/topic.html", command, data.
using HtmlHelpProc = int (*)(void* owner, const char* path, unsigned command, std::uintptr_t data);

constexpr unsigned HH_DISPLAY_TOPIC = 0;

// How the binding finds the viewer; the program's own uses the key store and the loader.
class HelpLoader {
public:
    virtual ~HelpLoader() = default;
    virtual bool RegisteredLocation(std::string& path) = 0;
    virtual void* Load(const std::string& pathOrName) = 0;
    virtual void* Find(void* module, const char* name) = 0;
};

class CHelpBinding {
public:
    explicit CHelpBinding(HelpLoader& loader) : m_loader(loader) {}

    // The viewer's result, or 0 when no viewer can be had.
    int HtmlHelp(void* owner, const std::string& path, unsigned command, std::uintptr_t data);

    void* m_hLibrary = nullptr;
    HtmlHelpProc m_pfnHtmlHelp = nullptr;
    BOOL m_bFailed = FALSE;

private:
    HelpLoader& m_loader;
};

// Where the viewer registers itself, and the names it is found by (its module's own name is
// the system's: platform/SystemPlaces.h).
extern const char* const HELP_VIEWER_KEY;
extern const char* const HELP_VIEWER_ENTRY;
