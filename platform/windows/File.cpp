#include "platform/File.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/FileSystem.h"
#include "platform/TemporaryNames.h"
#include "platform/windows/WideText.h"

namespace {

// Our own error number for an entry that is there but is no regular file.
constexpr int kNotRegularFile = -1;

// Opens a file on a disk and nothing else (no device, pipe or console); on failure errno says
// why (kNotRegularFile for anything but a file).
int OpenRegularFile(const std::string& path, int flags) {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        errno = kNotRegularFile;
        return -1;
    }
    const int fd = _wopen(wide.c_str(), flags | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        return -1;
    }
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) != FILE_TYPE_DISK) {
        _close(fd);
        errno = kNotRegularFile;
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, const char* data, std::size_t count) {
    while (count > 0) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30));
        const int n = _write(fd, data, chunk);
        if (n <= 0) {
            return false;
        }
        data += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

// Removes the temporaries in `folder` that `prefix` names whose writers are gone. Windows
// deletes no file another program holds open, and a live writer holds its temporary until
// it has renamed it: a temporary that can be deleted is a leftover of a writer that was killed.
void RemoveTemporaries(const std::string& folder, const std::string& prefix,
                       const std::string& ownTemp) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(WidePath(PathJoin(folder, "*")).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = Utf8FromWide(found.cFileName);
        const std::string path = PathJoin(folder, name);
        if (IsTemporaryName(name, prefix) && path != ownTemp &&
            (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            DeleteFileW(WidePath(path).c_str());
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

}  // namespace

void RemoveLeftoverTemporaries(const std::string& folder) {
    RemoveTemporaries(folder, {}, {});
}

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags) {
    Abort();
    m_bFailed = false;
    m_nError = 0;
    m_bInPlace = false;
    m_inPlaceData.clear();
    m_nPosition = 0;
    m_nLength = 0;
    if ((flags & modeWrite) != 0) {
        m_bWriting = true;
        return OpenForWrite(path, (flags & modeReplaceEntry) != 0);
    }
    m_bWriting = false;
    m_fd = OpenRegularFile(path, _O_RDONLY);
    if (m_fd < 0 && errno == ENOENT) {
        const std::string resolved = ResolvePath(path);
        if (resolved != path) {
            m_fd = OpenRegularFile(resolved, _O_RDONLY);
        }
    }
    if (m_fd < 0) {
        m_nError = errno;
        return false;
    }
    const __int64 length = _filelengthi64(m_fd);
    m_nLength = length > 0 ? static_cast<std::uint64_t>(length) : 0;
    return true;
}

bool CFile::OpenForWrite(const std::string& path, bool) {
    m_strPath = ResolvePathForWrite(path);
    const std::wstring wide = WidePath(m_strPath);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    const bool bExists = attributes != INVALID_FILE_ATTRIBUTES;
    if (bExists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        m_nError = kNotRegularFile;
        return false;
    }
    if (bExists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        m_nError = EACCES;
        return false;
    }
    const std::string folder = FolderOf(m_strPath);
    const std::string prefix = PathFindFileName(m_strPath) + ".tmp-";
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_strTempPath = PathJoin(folder, prefix + RandomNameLetters(kTempRandomLength));
        m_fd =
            _wopen(WidePath(m_strTempPath).c_str(),
                   _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
        if (m_fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (m_fd < 0) {
        m_nError = errno;
        m_strTempPath.clear();
        // A folder closed to new files may still hold a file its user may write.
        return bExists && OpenInPlace(m_strPath);
    }
    RemoveTemporaries(folder, prefix, m_strTempPath);
    return true;
}

bool CFile::OpenInPlace(const std::string& path) {
    m_fd = OpenRegularFile(path, _O_WRONLY);
    if (m_fd < 0) {
        m_nError = errno;
        return false;
    }
    m_nError = 0;
    m_bInPlace = true;
    return true;
}

// Reads what the file held when it was opened, and no more.
std::size_t CFile::Read(void* buffer, std::size_t count) {
    if (m_fd < 0 || m_bWriting) {
        return 0;
    }
    count = static_cast<std::size_t>(
        std::min<std::uint64_t>(count, m_nLength > m_nPosition ? m_nLength - m_nPosition : 0));
    std::size_t done = 0;
    while (done < count) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(count - done, 1u << 30));
        const int n = _read(m_fd, static_cast<char*>(buffer) + done, chunk);
        if (n <= 0) {
            m_bFailed = n < 0;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    m_nPosition += done;
    return done;
}

bool CFile::Seek(std::uint64_t position) {
    if (m_fd < 0 || m_bWriting || position > m_nLength ||
        _lseeki64(m_fd, static_cast<__int64>(position), SEEK_SET) < 0) {
        return false;
    }
    m_nPosition = position;
    return true;
}

bool CFile::Write(const void* buffer, std::size_t count) {
    if (m_fd < 0 || !m_bWriting || m_bFailed) {
        return false;
    }
    if (m_bInPlace) {
        m_inPlaceData.append(static_cast<const char*>(buffer), count);
    } else if (!WriteAll(m_fd, static_cast<const char*>(buffer), count)) {
        m_nError = errno;
        m_bFailed = true;
        return false;
    }
    m_nPosition += count;
    return true;
}

bool CFile::Close() {
    if (m_fd < 0) {
        return false;
    }
    if (!m_bWriting) {
        _close(m_fd);
        m_fd = -1;
        return true;
    }
    const bool bOk = CloseWrite();
    if (m_fd >= 0) {
        _close(m_fd);
        m_fd = -1;
    }
    Abort();
    return bOk;
}

bool CFile::CloseWrite() {
    if (m_bFailed) {
        return false;
    }
    if (m_bInPlace) {
        const bool bOk = _lseeki64(m_fd, 0, SEEK_SET) == 0 &&
                         WriteAll(m_fd, m_inPlaceData.data(), m_inPlaceData.size()) &&
                         _chsize_s(m_fd, static_cast<__int64>(m_inPlaceData.size())) == 0 &&
                         _commit(m_fd) == 0;
        m_nError = bOk ? 0 : errno;
        m_inPlaceData.clear();
        return bOk;
    }
    // The temporary is closed before the rename: Windows renames no file held open.
    const bool bWritten = _commit(m_fd) == 0;
    _close(m_fd);
    m_fd = -1;
    if (!bWritten) {
        m_nError = errno;
        return false;
    }
    if (!MoveFileExW(WidePath(m_strTempPath).c_str(), WidePath(m_strPath).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        m_nError = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
        return false;
    }
    m_strTempPath.clear();
    return true;
}

void CFile::Abort() {
    if (m_fd >= 0) {
        _close(m_fd);
        m_fd = -1;
    }
    if (!m_strTempPath.empty()) {
        DeleteFileW(WidePath(m_strTempPath).c_str());
        m_strTempPath.clear();
    }
    m_inPlaceData.clear();
}

std::string CFile::ErrorText() const {
    if (m_nError == kNotRegularFile) {
        return "Not a regular file";
    }
    return m_nError == 0 ? std::string() : std::string(std::strerror(m_nError));
}
