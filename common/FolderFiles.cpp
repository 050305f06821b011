#include "common/FolderFiles.h"

#include <algorithm>

#include "platform/File.h"
#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "res/Resource.h"
#include "res/StringTable.h"

std::vector<FolderFile> ListFolderFiles(const std::string& folder, const std::string& wildcard) {
    std::vector<FolderFile> files;
    CFileFind finder;
    bool bWorking = finder.FindFile(PathJoin(folder, wildcard));
    while (bWorking) {
        bWorking = finder.FindNextFile();
        FolderFile entry{finder.GetFileName(), {}};
        CFile file;
        if (file.Open(finder.GetFilePath(), CFile::modeRead | CFile::shareDenyNone)) {
            entry.size = std::to_string(file.GetLength());
        }
        files.push_back(std::move(entry));
    }
    std::stable_sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        return ToUpper(a.name) < ToUpper(b.name);
    });
    return files;
}

void CopyFilesInto(wxWindow* owner, const std::vector<std::string>& chosen,
                   const std::string& folder, int idQuestion) {
    for (const std::string& path : chosen) {
        const std::string destination = PathJoin(folder, path.substr(path.rfind('/') + 1));
        if (PathFileExists(destination)) {
            const int answer = MessageBox(owner, FormatStringS(idQuestion, {destination}),
                                          LoadString(IDS_INFORMATION),
                                          MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
            if (answer == IDCANCEL) {
                break;
            }
            if (answer != IDYES) {
                continue;
            }
        }
        CopyFile(path, destination, false);
    }
}
