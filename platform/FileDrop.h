// Files dropped on a window from a file manager. A drop names them as a list of URIs; their
// paths are the bytes the file manager's directory gave, whatever the names hold.
#pragma once

#include <functional>
#include <string>
#include <vector>

class wxWindow;

// From now on, files dropped on `window` go to `onDrop`, in the order the drop gave them.
void AcceptFileDrops(wxWindow* window, std::function<void(std::vector<std::string>)> onDrop);

// The local files a "text/uri-list" names; other URIs and comment lines are left out.
std::vector<std::string> PathsFromUriList(const std::string& uriList);
