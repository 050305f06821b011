// A new folder built whole under a temporary name beside its place, then moved there in one
// step, so a crash or a kill never leaves a half-made folder under its real name. While it is
// built, its maker holds a lock on it; a temporary folder nobody holds is a leftover of a
// maker that died, and RemoveLeftovers clears it away.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

class CStagingFolder {
public:
    CStagingFolder() = default;
    CStagingFolder(const CStagingFolder&) = delete;
    CStagingFolder& operator=(const CStagingFolder&) = delete;
    // Removes the temporary folder and what was put in it, unless it was committed.
    ~CStagingFolder();

    // Makes the temporary folder for the folder `path`; false, with `reason`, when it cannot.
    bool Create(const std::string& path, std::string& reason);
    // The folder to fill.
    const std::string& Path() const { return m_strTempPath; }
    // Moves the filled folder to its place; false, with `reason`, when a folder of that name
    // is there already or the move fails.
    bool Commit(std::string& reason);

    // Removes the temporary folders in `dir` that no living maker holds, with their files:
    // those of the exact form Create gives, for a folder whose name `isStagedName` accepts.
    // A hidden folder of the user's own that merely looks like one is left alone.
    static void RemoveLeftovers(const std::string& dir,
                                const std::function<bool(const std::string&)>& isStagedName);
    // Whether `name` is that of a temporary folder made for a folder `isStagedName` accepts.
    static bool IsLeftoverName(const std::string& name,
                               const std::function<bool(const std::string&)>& isStagedName);

private:
    // ".<name>.new-XXXXXX": hidden, and never a picture group, which needs <name>/<name>.ini.
    static constexpr char kPrefix[] = ".";
    static constexpr char kMarker[] = ".new-";
    static constexpr std::size_t kRandomLength = 6;

    void Discard();

    std::string m_strPath;
    std::string m_strTempPath;
    int m_fd = -1;  // the temporary folder, locked
};
