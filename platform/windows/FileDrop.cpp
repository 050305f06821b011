#include "platform/FileDrop.h"

#include <wx/dnd.h>
#include <wx/window.h>

#include <algorithm>

namespace {

// Files dragged from Explorer come as their paths.
class FileDropTarget : public wxFileDropTarget {
public:
    explicit FileDropTarget(std::function<void(std::vector<std::string>)> onDrop)
        : m_onDrop(std::move(onDrop)) {}

    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override {
        std::vector<std::string> paths;
        for (const wxString& name : names) {
            std::string utf8 = name.utf8_string();
            std::replace(utf8.begin(), utf8.end(), '\\', '/');
            paths.push_back(std::move(utf8));
        }
        try {
            m_onDrop(std::move(paths));
        } catch (...) {
            return false;  // nothing leaves the drop: the files are simply not taken
        }
        return true;
    }

private:
    std::function<void(std::vector<std::string>)> m_onDrop;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

}  // namespace

void AcceptFileDrops(wxWindow* window, std::function<void(std::vector<std::string>)> onDrop) {
    window->SetDropTarget(new FileDropTarget(std::move(onDrop)));
}

// "file:///C:/folder/name%20here" for files on this machine, one a line.
std::vector<std::string> PathsFromUriList(const std::string& uriList) {
    std::vector<std::string> paths;
    std::size_t at = 0;
    while (at < uriList.size()) {
        std::size_t end = std::min(uriList.find('\n', at), uriList.size());
        std::string line = uriList.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\0')) {
            line.pop_back();
        }
        for (const char* prefix : {"file:///", "file://localhost/"}) {
            if (line.rfind(prefix, 0) != 0) {
                continue;
            }
            std::string path;
            bool bValid = true;
            for (std::size_t i = std::char_traits<char>::length(prefix); i < line.size(); ++i) {
                if (line[i] != '%') {
                    path += line[i];
                    continue;
                }
                const int high = i + 2 < line.size() ? HexValue(line[i + 1]) : -1;
                const int low = i + 2 < line.size() ? HexValue(line[i + 2]) : -1;
                bValid = bValid && high >= 0 && low >= 0;
                if (!bValid) {
                    break;
                }
                path += static_cast<char>(high * 16 + low);
                i += 2;
            }
            if (bValid && !path.empty()) {
                paths.push_back(std::move(path));
            }
            break;
        }
    }
    return paths;
}
