#include "platform/StagingFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/TemporaryNames.h"
#include "platform/windows/WideText.h"

namespace {

void RemoveFolder(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(WidePath(path)), ec);
}

}  // namespace

CStagingFolder::~CStagingFolder() {
    Discard();
}

bool CStagingFolder::Create(const std::string& path, std::string& reason) {
    Discard();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = kPrefix;
        name += PathFindFileName(path);
        name += kMarker;
        name += RandomNameLetters(kRandomLength);
        const std::string temp = PathJoin(FolderOf(path), name);
        if (CreateDirectoryW(WidePath(temp).c_str(), nullptr)) {
            m_strPath = path;
            m_strTempPath = temp;
            return true;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    reason = ErrorText(GetLastError());
    return false;
}

// The folder takes its name only when nothing has it: Windows renames no folder over another.
bool CStagingFolder::Commit(std::string& reason) {
    if (m_strTempPath.empty()) {
        reason = ErrorText(ERROR_INVALID_HANDLE);
        return false;
    }
    if (!MoveFileExW(WidePath(m_strTempPath).c_str(), WidePath(m_strPath).c_str(),
                     MOVEFILE_WRITE_THROUGH)) {
        reason = ErrorText(GetLastError());
        return false;
    }
    m_strTempPath.clear();
    return true;
}

void CStagingFolder::Discard() {
    if (!m_strTempPath.empty()) {
        RemoveFolder(m_strTempPath);
        m_strTempPath.clear();
    }
}

void CStagingFolder::RemoveLeftovers(const std::string& dir,
                                     const std::function<bool(const std::string&)>& isStagedName) {
    std::vector<std::string> leftovers;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(WidePath(PathJoin(dir, "*")).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = Utf8FromWide(found.cFileName);
        // Never through a link.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
            (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
            IsLeftoverName(name, isStagedName)) {
            leftovers.push_back(name);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    for (const std::string& name : leftovers) {
        RemoveFolder(PathJoin(dir, name));
    }
}
