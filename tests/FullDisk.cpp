#include "FullDisk.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

FullDisk::FullDisk(std::string folder) : m_folder(std::move(folder)) {
    m_bMounted = ::mount("tmpfs", m_folder.c_str(), "tmpfs", 0, "size=256k,mode=0777") == 0;
}

FullDisk::~FullDisk() {
    if (m_bLimited) {
        const rlimit none = {RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    if (m_bMounted) {
        ::umount2(m_folder.c_str(), MNT_DETACH);
    }
}

void FullDisk::Fill() {
    if (!m_bMounted) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit nothing = {0, RLIM_INFINITY};
        m_bLimited = ::setrlimit(RLIMIT_FSIZE, &nothing) == 0;
        return;
    }
    const int fd = ::open((m_folder + "/.filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const std::vector<char> block(4096, 'f');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    for (std::size_t size = 2048; fd >= 0 && size > 0; size /= 2) {
        while (::write(fd, block.data(), size) > 0) {
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

std::string FullDisk::Reason() const {
    return std::strerror(m_bMounted ? ENOSPC : EFBIG);
}
