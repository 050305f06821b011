// Enumerates the entries of a folder that match a wildcard pattern ("dir/*.bmp"), ignoring
// case as Windows does, so Dog.BMP matches "*.bmp". Entries come in name order, "." and ".."
// included when the pattern matches them. Used the framework's way:
//     BOOL bWorking = finder.FindFile(pattern);
//     while (bWorking) { bWorking = finder.FindNextFile(); ... }
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CFileFind {
public:
    bool FindFile(const std::string& pattern);
    // Steps to the next entry; false when that entry is the last one.
    bool FindNextFile();

    std::string GetFileName() const;
    std::string GetFilePath() const;
    bool IsDirectory() const;
    bool IsDots() const;

    // Among the entries FindFile listed: the one named `name` as spelled, else one named so in
    // another case; false when there is none (a link that leads nowhere is none).
    bool FindName(const std::string& name, std::string& found) const;

private:
    struct Entry {
        std::string name;
        std::string key;  // the name in upper case, for the order
        bool bDirectory;
        bool bExists;  // false for a link that leads nowhere
    };
    std::string m_strDir;
    std::vector<Entry> m_entries;
    std::size_t m_nNext = 0;
};

// The number of entries that match `pattern`, whatever they are.
int CountMatches(const std::string& pattern);

// '*' matches any run of characters and '?' any one; letters match in any case.
bool WildcardMatch(std::string_view name, std::string_view pattern);
