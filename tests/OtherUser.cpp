#include "OtherUser.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

bool CanActAsOtherUser() {
    return ::geteuid() == 0;
}

int RunAsNobody(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(100);
        }
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

void SetOwner(const std::string& path, unsigned uid, unsigned gid, unsigned mode) {
    if (::lchown(path.c_str(), uid, gid) != 0 || ::chmod(path.c_str(), mode) != 0) {
        throw std::runtime_error("cannot set the owner of " + path);
    }
}
