// A file opened for reading, or for writing whole. A file opened for writing is written to
// a temporary file beside it and renamed over the old one by Close, so a crash or a full
// disk never leaves a truncated file behind; a file that is never closed is discarded.
// Only regular files are read or written. Writing follows symbolic links to the file they
// name, refuses a file the user may not write (as Windows refuses a read-only one), and keeps
// the old file's owner and permissions; where the owner cannot be kept (or the file has
// other hard links, or its folder is closed to new files) the file is rewritten in place at
// Close instead. Temporaries left by a writer that died are removed at the next write.
// With modeReplaceEntry the new file replaces the folder's entry itself, whatever it is: a
// symbolic link goes as a link, a hard link stops being shared and a file of another owner
// becomes ours, so nothing outside the folder is ever written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CFile {
public:
    enum : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeReplaceEntry = 0x10000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile();

    // modeRead, or modeCreate | modeWrite (| modeReplaceEntry). Sharing flags are accepted
    // and need nothing here.
    bool Open(const std::string& path, unsigned flags);

    // Reads up to `count` bytes; fewer at the end of the file (as long as it was when opened)
    // or on an error.
    std::size_t Read(void* buffer, std::size_t count);
    // Reading: goes on from byte `position`; false past the end or on a failure.
    bool Seek(std::uint64_t position);
    bool Write(const void* buffer, std::size_t count);

    // Size of a file opened for reading, and how much of it has been read.
    std::uint64_t GetLength() const { return m_nLength; }
    std::uint64_t GetPosition() const { return m_nPosition; }
    bool ReadFailed() const { return m_bFailed && !m_bWriting; }

    // For a file being written: true only when every byte reached the disk and the file
    // replaced the old one.
    bool Close();
    void Abort();

    // Why the last open failed, or the last write or close of a file being written, in the
    // system's words; empty when nothing failed or no reason is known.
    std::string ErrorText() const;

private:
    bool OpenForWrite(const std::string& path, bool bReplaceEntry);
    bool OpenInPlace(const std::string& path);
    bool CloseWrite();

    int m_fd = -1;
    bool m_bWriting = false;
    bool m_bInPlace = false;
    bool m_bFailed = false;
    int m_nError = 0;
    std::uint64_t m_nLength = 0;
    std::uint64_t m_nPosition = 0;
    std::string m_strPath;
    std::string m_strTempPath;
    std::string m_inPlaceData;  // what an in-place write puts in the file at Close
};

// Removes from `folder` the temporaries that writers killed before their rename left
// ("<name>.tmp-" and six letters or digits, locked by no living writer).
void RemoveLeftoverTemporaries(const std::string& folder);
