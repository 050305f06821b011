#include "platform/FileFind.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/windows/WideText.h"

bool CFileFind::FindFile(const std::string& pattern) {
    m_entries.clear();
    m_nNext = 0;
    const std::size_t slash = pattern.rfind('/');
    const std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    m_strDir = slash == std::string::npos ? "" : pattern.substr(0, slash);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(
        WidePath(m_strDir.empty() ? std::string("*") : PathJoin(m_strDir, "*")).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    do {
        std::string name = Utf8FromWide(found.cFileName);
        if (!WildcardMatch(name, mask)) {
            continue;
        }
        const bool bDir = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        std::string key = ToUpper(name);
        m_entries.push_back({std::move(name), std::move(key), bDir, true});
    } while (FindNextFileW(find, &found));
    FindClose(find);
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
    return !m_entries.empty();
}
