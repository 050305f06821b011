// The files of one folder as the library dialogs list them: name and size, in ascending
// order of name ignoring case, as Windows' sorted list views show them, however the folder
// lists them.
#pragma once

#include <string>
#include <vector>

class wxWindow;

struct FolderFile {
    std::string name;  // without the folder
    std::string size;  // bytes, in decimal; empty for an entry that is no readable file
};

std::vector<FolderFile> ListFolderFiles(const std::string& folder, const std::string& wildcard);

// Copies each chosen file into `folder` under its own name, in the order given. Before
// replacing a file there it asks, over `owner`, with string `idQuestion` ("%s" is the
// destination): Yes copies, No skips that file, Cancel skips it and every one after it.
// A file copied onto itself stays as it is; failed copies show in the folder's listing.
void CopyFilesInto(wxWindow* owner, const std::vector<std::string>& chosen,
                   const std::string& folder, int idQuestion);
