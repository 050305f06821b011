// A new folder built whole under a temporary name beside its place, then moved there in one
// step, so a crash or a kill never leaves a half-made folder under its real name. While it is
// built, its maker holds a lock on it; a temporary folder nobody holds is a leftover of a
// maker that died, and RemoveLeftovers clears it away.
#pragma once

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

    // Removes the temporary folders in `dir` that no living maker holds, with their files.
    static void RemoveLeftovers(const std::string& dir);

private:
    void Discard();

    std::string m_strPath;
    std::string m_strTempPath;
    int m_fd = -1;  // the temporary folder, locked
};
