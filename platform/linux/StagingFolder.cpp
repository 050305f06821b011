#include "platform/StagingFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/FileSystem.h"

namespace {

// Removes every entry directly in the folder (links as links), then the folder.
void RemoveFolder(int dirFd, const std::string& path) {
    const int fd = ::dup(dirFd);
    if (fd < 0) {
        return;
    }
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(fd), ::closedir);
    if (!dir) {
        ::close(fd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    for (const std::string& name : names) {
        ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::rmdir(path.c_str());
}

}  // namespace

CStagingFolder::~CStagingFolder() {
    Discard();
}

bool CStagingFolder::Create(const std::string& path, std::string& reason) {
    Discard();
    std::string tmpl = PathJoin(FolderOf(path), kPrefix + PathFindFileName(path) + kMarker +
                                                    std::string(kRandomLength, 'X'));
    if (::mkdtemp(tmpl.data()) == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    // Another program's RemoveLeftovers may take the folder before it is locked: it must
    // still be there, under its name, once it is.
    m_fd = ::open(tmpl.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    int error = m_fd < 0 ? errno : ::flock(m_fd, LOCK_EX) != 0 ? errno : 0;
    struct stat held, named;
    if (error == 0 && (::fstat(m_fd, &held) != 0 || ::lstat(tmpl.c_str(), &named) != 0 ||
                       held.st_ino != named.st_ino || held.st_dev != named.st_dev)) {
        error = ENOENT;
    }
    if (error != 0) {
        reason = std::strerror(error);
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        ::rmdir(tmpl.c_str());
        return false;
    }
    // mkdtemp makes the folder private; give it a folder's usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(m_fd, 0777 & ~mask);
    m_strPath = path;
    m_strTempPath = tmpl;
    return true;
}

bool CStagingFolder::Commit(std::string& reason) {
    if (m_fd < 0) {
        reason = std::strerror(EBADF);
        return false;
    }
    // Everything in it reaches the disk before the folder takes its name.
    ::fsync(m_fd);
    // A plain rename would replace an empty folder of that name.
    int moved =
        ::renameat2(AT_FDCWD, m_strTempPath.c_str(), AT_FDCWD, m_strPath.c_str(), RENAME_NOREPLACE);
    if (moved != 0 && errno == EINVAL) {  // a file system that cannot promise it
        struct stat st;
        moved = ::lstat(m_strPath.c_str(), &st) == 0
                    ? (errno = EEXIST, -1)
                    : ::rename(m_strTempPath.c_str(), m_strPath.c_str());
    }
    if (moved != 0) {
        reason = std::strerror(errno);
        return false;
    }
    SyncFolder(m_strPath);
    ::close(m_fd);
    m_fd = -1;
    m_strTempPath.clear();
    return true;
}

void CStagingFolder::Discard() {
    if (m_fd >= 0) {
        RemoveFolder(m_fd, m_strTempPath);
        ::close(m_fd);
        m_fd = -1;
    }
    m_strTempPath.clear();
}

void CStagingFolder::RemoveLeftovers(const std::string& dir,
                                     const std::function<bool(const std::string&)>& isStagedName) {
    std::vector<std::string> leftovers;
    {
        std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(dir.c_str()), ::closedir);
        if (!folder) {
            return;
        }
        while (const dirent* e = ::readdir(folder.get())) {
            if (IsLeftoverName(e->d_name, isStagedName)) {
                leftovers.push_back(e->d_name);
            }
        }
    }
    for (const std::string& name : leftovers) {
        const std::string path = PathJoin(dir, name);
        // Never through a link, and only a folder nobody is still making.
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            RemoveFolder(fd, path);
        }
        ::close(fd);
    }
}
