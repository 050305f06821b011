// The help viewer module, loaded by the program at its first help request. Its one entry
// point shows a topic of a compiled help file, given as "file.chm::/topic.html", in the
// viewer window, which stays open for the next request.
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/filesys.h>

#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/helpviewer/ChmFileSystemHandler.h"
#include "platform/helpviewer/HelpViewerFrame.h"

namespace {
constexpr unsigned HH_DISPLAY_TOPIC = 0;
}  // namespace

// Exported from the module on Linux, and from the program itself on Windows, where the
// program holds the viewer.
#ifdef _WIN32
#define HELP_VIEWER_EXPORT __declspec(dllexport)
#else
#define HELP_VIEWER_EXPORT __attribute__((visibility("default")))
#endif

extern "C" HELP_VIEWER_EXPORT int HtmlHelpA(void* owner, const char* path, unsigned command,
                                            std::uintptr_t data) {
    (void)owner;
    (void)data;
    if (command != HH_DISPLAY_TOPIC || path == nullptr || wxTheApp == nullptr) {
        return 0;
    }
    static bool bHandlerAdded = false;
    if (!bHandlerAdded) {
        wxFileSystem::AddHandler(new CChmFileSystemHandler);  // the file system owns it
        bHandlerAdded = true;
    }
    const wxString text = wxString::FromUTF8(Utf8FromNarrowSystemPath(path));
    const int separator = text.Find("::");
    const wxString file = separator == wxNOT_FOUND ? text : text.Left(separator);
    wxString topic = separator == wxNOT_FOUND ? wxString("/index.html") : text.Mid(separator + 2);
    if (!topic.StartsWith("/")) {
        topic = "/" + topic;
    }
    const wxString base = wxFileSystem::FileNameToURL(wxFileName(file)) + "#chm:";

    CHelpViewerFrame* viewer = CHelpViewerFrame::s_pViewer;
    if (viewer == nullptr) {
        viewer = new CHelpViewerFrame;  // a top-level window: wx deletes it when closed
    }
    viewer->ShowTopic(base + topic, base + "/index.html");
    viewer->Show();
    viewer->Raise();
    return 1;
}
