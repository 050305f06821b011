#include "platform/File.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TemporaryNames.h"

namespace {

// Our own error number for an entry that is there but is no regular file.
constexpr int kNotRegularFile = -1;

// The file a chain of symbolic links ends at; the path itself when it is no link.
std::string FinalTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return path;
        }
        std::vector<char> link(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size() - 1);
        if (n <= 0) {
            return path;
        }
        std::string next(link.data(), static_cast<std::size_t>(n));
        path = next[0] == '/' ? next : PathJoin(FolderOf(path), next);
    }
    return path;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool WriteAll(int fd, const char* data, std::size_t count) {
    while (count > 0) {
        const ssize_t n = ::write(fd, data, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

// Opens a regular file and nothing else. Without O_NONBLOCK a named pipe in a file's place
// would hold the open forever; regular files ignore the flag, so it stays. On failure errno
// says why (kNotRegularFile for anything but a regular file).
int OpenRegularFile(const std::string& path, int flags, struct stat& st) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == EISDIR) {
            errno = kNotRegularFile;
        }
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        errno = S_ISREG(st.st_mode) ? error : kNotRegularFile;
        return -1;
    }
    return fd;
}

// The name of a temporary for `name` in `folder`: the name, cut so that the temporary's name
// is no longer than the folder takes, then ".tmp-" and six random letters or digits.
std::string TemporaryPrefix(const std::string& folder, const std::string& name) {
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t limit = longest > 0 ? static_cast<std::size_t>(longest) : NAME_MAX;
    const std::size_t room = limit > sizeof kTempSuffix ? limit - (sizeof kTempSuffix - 1) : 1;
    return name.substr(0, std::min(name.size(), room)) + ".tmp-";
}

// Removes the temporaries in `folder` that `prefix` names whose writers are gone. A live writer
// holds a lock on its temporary until it has renamed it, so a file that can be locked is a
// leftover of a writer that was killed.
void RemoveTemporaries(const std::string& folder, const std::string& prefix,
                       const std::string& ownTemp) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (!IsTemporaryName(name, prefix)) {
            continue;
        }
        const std::string path = PathJoin(folder, name);
        if (path == ownTemp) {
            continue;
        }
        struct stat held, named;
        const int fd = OpenRegularFile(path, O_RDONLY | O_NOFOLLOW, held);
        if (fd < 0) {
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            SameFile(held, named)) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
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
    // A name spelled in another case is looked for only when the name as given is missing.
    struct stat st;
    m_fd = OpenRegularFile(path, O_RDONLY, st);
    if (m_fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        const std::string resolved = ResolvePath(path);
        if (resolved != path) {
            m_fd = OpenRegularFile(resolved, O_RDONLY, st);
        } else {
            errno = ENOENT;
        }
    }
    if (m_fd < 0) {
        m_nError = errno;
        return false;
    }
    m_nLength = static_cast<std::uint64_t>(st.st_size);
    return true;
}

bool CFile::OpenForWrite(const std::string& path, bool bReplaceEntry) {
    m_strPath = bReplaceEntry ? ResolvePathForWrite(path) : FinalTarget(ResolvePathForWrite(path));
    struct stat old;
    bool bExists =
        (bReplaceEntry ? ::lstat(m_strPath.c_str(), &old) : ::stat(m_strPath.c_str(), &old)) == 0;
    if (bExists && bReplaceEntry && S_ISLNK(old.st_mode)) {
        bExists = false;  // the link itself is replaced, as a new file
    }
    if (bExists && !S_ISREG(old.st_mode)) {
        m_nError = kNotRegularFile;
        return false;
    }
    if (bExists && ::faccessat(AT_FDCWD, m_strPath.c_str(), W_OK, AT_EACCESS) != 0) {
        m_nError = errno;
        return false;
    }
    const std::string prefix = TemporaryPrefix(FolderOf(m_strPath), PathFindFileName(m_strPath));
    const std::string pattern = PathJoin(FolderOf(m_strPath), prefix + "XXXXXX");
    std::vector<char> tmpl(pattern.begin(), pattern.end());
    tmpl.push_back('\0');
    // A file written in place keeps sharing its data with its other hard links.
    const bool bMayWriteInPlace = bExists && (!bReplaceEntry || old.st_nlink == 1);
    m_fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_nError = errno;
        // A folder closed to new files may still hold a file its user may write.
        return bMayWriteInPlace && OpenInPlace(m_strPath);
    }
    m_strTempPath = tmpl.data();
    ::flock(m_fd, LOCK_EX);
    if (!bExists) {
        // mkostemp makes the file private; give it the usual permissions.
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    } else {
        // A replaced entry keeps its permissions where they can be had, nothing more.
        const bool bSameOwner = old.st_uid == ::geteuid() && old.st_gid == ::getegid();
        const bool bOwnerKept =
            bSameOwner || ::fchown(m_fd, old.st_uid, old.st_gid) == 0 || bReplaceEntry;
        const bool bKept = bOwnerKept && ::fchmod(m_fd, old.st_mode & 07777) == 0 &&
                           (old.st_nlink == 1 || bReplaceEntry);
        if (!bKept) {
            Abort();
            return bMayWriteInPlace && OpenInPlace(m_strPath);
        }
    }
    RemoveTemporaries(FolderOf(m_strPath), prefix, m_strTempPath);
    return true;
}

bool CFile::OpenInPlace(const std::string& path) {
    struct stat st;
    m_fd = OpenRegularFile(path, O_WRONLY | O_NOFOLLOW, st);
    if (m_fd < 0) {
        m_nError = errno;
        return false;
    }
    m_nError = 0;
    m_bInPlace = true;
    return true;
}

// Reads what the file held when it was opened, and no more: a file that grows meanwhile is
// read as it was.
std::size_t CFile::Read(void* buffer, std::size_t count) {
    if (m_fd < 0 || m_bWriting) {
        return 0;
    }
    count = static_cast<std::size_t>(
        std::min<std::uint64_t>(count, m_nLength > m_nPosition ? m_nLength - m_nPosition : 0));
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
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
        ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) < 0) {
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
        ::close(m_fd);
        m_fd = -1;
        return true;
    }
    bool bOk = CloseWrite();
    bOk = ::close(m_fd) == 0 && bOk;
    m_fd = -1;
    Abort();
    return bOk;
}

bool CFile::CloseWrite() {
    if (m_bFailed) {
        return false;
    }
    if (m_bInPlace) {
        // The room is taken first, so a full disk fails before a byte of the old file goes.
        const off_t size = static_cast<off_t>(m_inPlaceData.size());
        const int room = size == 0 ? 0 : ::posix_fallocate(m_fd, 0, size);
        if (room != 0) {
            m_nError = room;
            m_inPlaceData.clear();
            return false;
        }
        bool bOk = ::lseek(m_fd, 0, SEEK_SET) == 0 &&
                   WriteAll(m_fd, m_inPlaceData.data(), m_inPlaceData.size()) &&
                   ::ftruncate(m_fd, static_cast<off_t>(m_inPlaceData.size())) == 0 &&
                   ::fsync(m_fd) == 0;
        m_nError = bOk ? 0 : errno;
        m_inPlaceData.clear();
        return bOk;
    }
    // The lock is held until the rename, so no other writer takes this file for a leftover;
    // should one have removed it all the same, the old file stays.
    struct stat held, named;
    if (::fsync(m_fd) != 0 || ::fstat(m_fd, &held) != 0 ||
        ::lstat(m_strTempPath.c_str(), &named) != 0 || !SameFile(held, named) ||
        ::rename(m_strTempPath.c_str(), m_strPath.c_str()) != 0) {
        m_nError = errno;
        return false;
    }
    m_strTempPath.clear();
    SyncFolder(m_strPath);
    return true;
}

void CFile::Abort() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_strTempPath.empty()) {
        ::unlink(m_strTempPath.c_str());
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
