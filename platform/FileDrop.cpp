#include "platform/FileDrop.h"

#include <glib.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/window.h>

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

class FileDropTarget : public wxDropTarget {
public:
    explicit FileDropTarget(std::function<void(std::vector<std::string>)> onDrop)
        : wxDropTarget(new UriListData), m_onDrop(std::move(onDrop)) {}

    wxDragResult OnData(wxCoord, wxCoord, wxDragResult result) override {
        if (!GetData()) {
            return wxDragNone;
        }
        std::vector<std::string> paths =
            PathsFromUriList(static_cast<UriListData*>(GetDataObject())->List());
        if (paths.empty()) {
            return wxDragNone;
        }
        try {
            m_onDrop(std::move(paths));
        } catch (...) {
            // No memory for the adding: the drop does nothing.
        }
        return result == wxDragMove ? wxDragCopy : result;
    }

private:
    std::function<void(std::vector<std::string>)> m_onDrop;
};

}  // namespace

void AcceptFileDrops(wxWindow* window, std::function<void(std::vector<std::string>)> onDrop) {
    window->SetDropTarget(new FileDropTarget(std::move(onDrop)));
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
