#include "platform/FileDrop.h"

#include <glib.h>
#include <wx/dataobj.h>
#include <wx/dialog.h>
#include <wx/dnd.h>
#include <wx/modalhook.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

// The URI list of a drop, as it came.
class UriListData : public wxDataObjectSimple {
public:
    UriListData() : wxDataObjectSimple(wxDataFormat("text/uri-list")) {}

    size_t GetDataSize() const override { return m_list.size(); }
    bool GetDataHere(void* buffer) const override {
        std::copy(m_list.begin(), m_list.end(), static_cast<char*>(buffer));
        return true;
    }
    bool SetData(size_t length, const void* buffer) override {
        m_list.assign(static_cast<const char*>(buffer), length);
        return true;
    }
    const std::string& List() const { return m_list; }

private:
    std::string m_list;
};

// The modal dialogs open in the program, the last one on top. The toolkit keeps drags and
// drops going to windows that a dialog over them has put out of reach, and a drop there
// would start another add in the middle of a question, a recording or an add.
// The toolkit forgets its hooks when it shuts down, before this object goes.
class ModalDialogs : public wxModalDialogHook {
public:
    ModalDialogs() { Register(); }
    // Whether a modal dialog other than the window's own is on top of the program.
    bool Over(wxWindow* window) const {
        return !m_open.empty() && m_open.back() != wxGetTopLevelParent(window);
    }

protected:
    int Enter(wxDialog* dialog) override {
        m_open.push_back(dialog);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override {
        // A dialog that opened before the counting began is not on the list.
        if (auto it = std::find(m_open.rbegin(), m_open.rend(), dialog); it != m_open.rend()) {
            m_open.erase(std::next(it).base());
        }
    }

private:
    std::vector<wxDialog*> m_open;
};

// Whether a drop is taken now: not while its window is disabled (under a progress
// dialog) or another dialog is over it, nor while the files of the last drop are being
// added (until the adding is over, or will not come because its window went first).
bool s_bAdding = false;
struct Adding {
    Adding() { s_bAdding = true; }
    ~Adding() { s_bAdding = false; }
    Adding(const Adding&) = delete;
    Adding& operator=(const Adding&) = delete;
};

const ModalDialogs& Dialogs() {
    static ModalDialogs dialogs;
    return dialogs;
}

bool TakingDrops(wxWindow* window) {
    return !s_bAdding && !Dialogs().Over(window) && window->IsEnabled();
}

class FileDropTarget : public wxDropTarget {
public:
    FileDropTarget(wxWindow* window, std::function<void(std::vector<std::string>)> onDrop)
        : wxDropTarget(new UriListData), m_window(window), m_onDrop(std::move(onDrop)) {}

    wxDragResult OnDragOver(wxCoord, wxCoord, wxDragResult result) override {
        return TakingDrops(m_window) ? Copied(result) : wxDragNone;
    }

    // The files are added once the drop is over, so the file manager is not kept waiting
    // through the questions and the progress of the adding.
    wxDragResult OnData(wxCoord, wxCoord, wxDragResult result) override {
        if (!TakingDrops(m_window) || !GetData()) {
            return wxDragNone;
        }
        std::vector<std::string> paths =
            PathsFromUriList(static_cast<UriListData*>(GetDataObject())->List());
        if (paths.empty()) {
            return wxDragNone;
        }
        m_window->CallAfter(
            [onDrop = m_onDrop, paths = std::move(paths), adding = std::make_shared<Adding>()] {
                try {
                    onDrop(paths);
                } catch (...) {
                    // No memory for the adding: the drop does nothing more.
                }
            });
        return Copied(result);
    }

private:
    static wxDragResult Copied(wxDragResult result) {
        return result == wxDragMove ? wxDragCopy : result;
    }

    wxWindow* m_window;
    std::function<void(std::vector<std::string>)> m_onDrop;
};

}  // namespace

void AcceptFileDrops(wxWindow* window, std::function<void(std::vector<std::string>)> onDrop) {
    Dialogs();  // counting from now, before any dialog opens over the window
    window->SetDropTarget(new FileDropTarget(window, std::move(onDrop)));
}

std::vector<std::string> PathsFromUriList(const std::string& uriList) {
    std::vector<std::string> paths;
    std::size_t at = 0;
    while (at < uriList.size()) {
        std::size_t end = uriList.find('\n', at);
        if (end == std::string::npos) {
            end = uriList.size();
        }
        std::string line = uriList.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\0')) {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        gchar* host = nullptr;
        gchar* path = g_filename_from_uri(line.c_str(), &host, nullptr);
        // A file on another machine is no file here.
        if (path != nullptr && (host == nullptr || g_strcmp0(host, "localhost") == 0)) {
            paths.emplace_back(path);
        }
        g_free(path);
        g_free(host);
    }
    return paths;
}
