// A folder on a full file system, for what the program does when a disk fills up. Where the
// tests may mount (as root), a small file system is mounted on the folder and filled; where
// they may not, the files this process writes are limited to no size at all instead, which
// fails the same writes with another reason.
#pragma once

#include <string>

class FullDisk {
public:
    // Mounts the small file system on `folder`, which must exist; it is empty and has room
    // until Fill.
    explicit FullDisk(std::string folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Takes up every byte left, until the destructor.
    void Fill();
    // The system's words for a write that does not fit.
    std::string Reason() const;

private:
    std::string m_folder;
    bool m_bMounted = false;
    bool m_bLimited = false;
};
