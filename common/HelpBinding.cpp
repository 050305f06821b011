#include "common/HelpBinding.h"

#include "platform/SystemPlaces.h"

const char* const HELP_VIEWER_KEY = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char* const HELP_VIEWER_ENTRY = "HtmlHelpA";

int CHelpBinding::HtmlHelp(void* owner, const std::string& path, unsigned command,
                           std::uintptr_t data) {
    if (m_hLibrary == nullptr && !m_bFailed) {
        std::string location;
        if (m_loader.RegisteredLocation(location)) {
            m_hLibrary = m_loader.Load(location);
        }
        if (m_hLibrary == nullptr) {
            m_hLibrary = m_loader.Load(HELP_VIEWER_MODULE);
        }
        // Where the system's viewer is missing, the program's own, built into it.
        if (const std::string own = BuiltInHelpViewer(); m_hLibrary == nullptr && !own.empty()) {
            m_hLibrary = m_loader.Load(own);
        }
        if (m_hLibrary == nullptr) {
            m_bFailed = TRUE;
            return 0;
        }
    }
    if (m_pfnHtmlHelp == nullptr) {
        m_pfnHtmlHelp =
            reinterpret_cast<HtmlHelpProc>(m_loader.Find(m_hLibrary, HELP_VIEWER_ENTRY));
        if (m_pfnHtmlHelp == nullptr) {
            m_bFailed = TRUE;
            return 0;
        }
    }
    return m_pfnHtmlHelp(owner, path.c_str(), command, data);
}
