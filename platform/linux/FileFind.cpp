#include "platform/FileFind.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <type_traits>

#include "platform/FileSystem.h"
#include "platform/WinTypes.h"

bool CFileFind::FindFile(const std::string& pattern) {
    m_entries.clear();
    m_nNext = 0;
    std::size_t slash = pattern.rfind('/');
    std::string dir = slash == std::string::npos ? "." : pattern.substr(0, slash);
    std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    // The folder as spelled, else in another case.
    m_strDir = slash == std::string::npos ? "" : dir.empty() ? "/" : dir;
    std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(m_strDir.empty() ? "." : m_strDir.c_str()),
                                          ::closedir);
    if (!d && !m_strDir.empty() && ResolvePath(m_strDir) != m_strDir) {
        m_strDir = ResolvePath(m_strDir);
        d.reset(::opendir(m_strDir.c_str()));
    }
    if (!d) {
        return false;
    }
    while (dirent* e = ::readdir(d.get())) {
        std::string name = e->d_name;
        if (!WildcardMatch(name, mask)) {
            continue;
        }
        bool bDir = e->d_type == DT_DIR;
        bool bExists = true;
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st;
            std::string path = m_strDir.empty() ? name : m_strDir + "/" + name;
            bExists = ::stat(path.c_str(), &st) == 0;
            bDir = bExists && S_ISDIR(st.st_mode);
        }
        std::string key = ToUpper(name);
        m_entries.push_back({std::move(name), std::move(key), bDir, bExists});
    }
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
    return !m_entries.empty();
}
