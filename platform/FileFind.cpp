#include "platform/FileFind.h"

#include <algorithm>
#include <cctype>
#include <type_traits>

#include "platform/FileSystem.h"
#include "platform/WinTypes.h"

// What the finder does with the folder's entries once the system's side has read them.

static unsigned char Fold(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

bool WildcardMatch(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*" || pattern == "*") {
        return true;
    }
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool CFileFind::FindNextFile() {
    if (m_nNext < m_entries.size()) {
        ++m_nNext;
    }
    return m_nNext < m_entries.size();
}

std::string CFileFind::GetFileName() const {
    return m_nNext > 0 ? m_entries[m_nNext - 1].name : std::string();
}

std::string CFileFind::GetFilePath() const {
    if (m_nNext == 0) {
        return {};
    }
    return m_strDir.empty() ? GetFileName()
                            : PathJoin(m_strDir == "/" ? "" : m_strDir, GetFileName());
}

bool CFileFind::IsDirectory() const {
    return m_nNext > 0 && m_entries[m_nNext - 1].bDirectory;
}

bool CFileFind::FindName(const std::string& name, std::string& found) const {
    const std::string key = ToUpper(name);
    auto [first, last] =
        std::equal_range(m_entries.begin(), m_entries.end(), key, [](const auto& a, const auto& b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, Entry>) {
                return a.key < b;
            } else {
                return a < b.key;
            }
        });
    const Entry* other = nullptr;
    for (auto it = first; it != last; ++it) {
        if (!it->bExists) {
            continue;
        }
        if (it->name == name) {
            found = it->name;
            return true;
        }
        other = other != nullptr ? other : &*it;
    }
    if (other != nullptr) {
        found = other->name;
    }
    return other != nullptr;
}

bool CFileFind::IsDots() const {
    std::string name = GetFileName();
    return name == "." || name == "..";
}

int CountMatches(const std::string& pattern) {
    int count = 0;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(pattern);
    while (bWorking) {
        bWorking = finder.FindNextFile();
        ++count;
    }
    return count;
}
