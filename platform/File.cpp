#include "platform/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/FileSystem.h"

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags) {
    Abort();
    m_bFailed = false;
    m_nPosition = 0;
    m_nLength = 0;
    if ((flags & modeWrite) == 0) {
        m_bWriting = false;
        m_fd = ::open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) {
            return false;
        }
        struct stat st;
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            Abort();
            return false;
        }
        m_nLength = static_cast<std::uint64_t>(st.st_size);
        return true;
    }
    m_bWriting = true;
    m_strPath = ResolvePathForWrite(path);
    std::vector<char> tmpl(m_strPath.begin(), m_strPath.end());
    const char suffix[] = ".tmp-XXXXXX";
    tmpl.insert(tmpl.end(), suffix, suffix + sizeof suffix);
    m_fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (m_fd < 0) {
        return false;
    }
    m_strTempPath = tmpl.data();
    // mkostemp makes the file private; give it the usual permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(m_fd, 0666 & ~mask);
    return true;
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    if (m_fd < 0 || m_bWriting) {
        return 0;
    }
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

bool CFile::Write(const void* buffer, std::size_t count) {
    if (m_fd < 0 || !m_bWriting || m_bFailed) {
        return false;
    }
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_bFailed = true;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    m_nPosition += done;
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
    bool bOk = !m_bFailed && ::fsync(m_fd) == 0;
    bOk = ::close(m_fd) == 0 && bOk;
    m_fd = -1;
    if (bOk) {
        bOk = ::rename(m_strTempPath.c_str(), m_strPath.c_str()) == 0;
    }
    if (!bOk) {
        ::unlink(m_strTempPath.c_str());
    }
    m_strTempPath.clear();
    return bOk;
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
}
