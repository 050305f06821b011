#include "platform/ImportProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/FileSystem.h"

namespace {

// How long an import may take by the clock, however loaded the machine: several times its
// processor time.
constexpr auto kImportWallTime = std::chrono::seconds(6 * kImportCpuSeconds);
constexpr int kWaitMilliseconds = 50;

// The child's side between fork and exec: only calls that are safe there.
[[noreturn]] void StartChild(int channel, const char* program, char* const* argv) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const rlimit memory{kImportMemoryBytes, kImportMemoryBytes};
    const rlimit cpu{static_cast<rlim_t>(kImportCpuSeconds),
                     static_cast<rlim_t>(kImportCpuSeconds + 1)};
    const rlimit noCore{0, 0};
    // The socket is first moved above the standard descriptors, should it be one of them (a
    // program started with its input closed), so that the copies made of it stay open.
    const int above = ::fcntl(channel, F_DUPFD, 3);
    if (above < 0 || ::setrlimit(RLIMIT_AS, &memory) != 0 || ::setrlimit(RLIMIT_CPU, &cpu) != 0 ||
        ::setrlimit(RLIMIT_CORE, &noCore) != 0 || ::dup2(above, STDIN_FILENO) < 0 ||
        ::dup2(above, STDOUT_FILENO) < 0) {
        ::_exit(127);
    }
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) {
        ::dup2(null, STDERR_FILENO);
    }
    // Nothing else of the program's open files reaches the program that reads a hostile file.
    if (::close_range(3, ~0u, 0) != 0) {
        for (int fd = 3; fd < 65536; ++fd) {
            ::close(fd);
        }
    }
    ::execv(program, argv);
    ::_exit(127);
}

}  // namespace

ImportResult RunImportProgram(const std::vector<std::string>& arguments,
                              const std::vector<std::uint8_t>& input,
                              std::vector<std::uint8_t>& output, std::uint64_t maxOutputBytes) {
    const std::string program = ImportProgramPath();
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    // One socket carries both ways: writing to a program that died fails instead of raising
    // SIGPIPE in ours.
    int channel[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) {
        return ImportResult::NotReadable;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        StartChild(channel[1], program.c_str(), argv.data());
    }
    ::close(channel[1]);
    if (pid < 0) {
        ::close(channel[0]);
        return ImportResult::NotReadable;
    }
    // Whatever happens from here, even an exception (no memory for what comes back), the
    // socket is closed and the program ended and waited for.
    struct Child {
        pid_t pid;
        int fd;
        bool bReaped = false;
        int status = 0;
        ~Child() {
            if (fd >= 0) {
                ::close(fd);
            }
            if (!bReaped) {
                ::kill(pid, SIGKILL);
                while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
                }
            }
        }
    } child{pid, channel[0]};
    const int fd = child.fd;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);

    // The waiter is asked about every 50 ms, however often the program's data comes.
    auto asked = std::chrono::steady_clock::now();
    const auto keepWaiting = [&asked] {
        const auto now = std::chrono::steady_clock::now();
        if (now - asked < std::chrono::milliseconds(kWaitMilliseconds)) {
            return true;
        }
        asked = now;
        return CImportWaiter::KeepWaiting();
    };

    std::size_t sent = 0;
    bool bSentAll = input.empty();
    if (bSentAll) {
        ::shutdown(fd, SHUT_WR);
    }
    bool bEnded = false, bCancelled = false, bTooMuch = false;
    std::vector<std::uint8_t> received;
    const auto deadline = std::chrono::steady_clock::now() + kImportWallTime;
    while (!bEnded) {
        pollfd watch{fd, static_cast<short>(POLLIN | (bSentAll ? 0 : POLLOUT)), 0};
        const int ready = ::poll(&watch, 1, kWaitMilliseconds);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (ready > 0 && (watch.revents & POLLOUT) != 0 && !bSentAll) {
            const ssize_t n =
                ::send(fd, input.data() + sent, input.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
            }
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || sent == input.size()) {
                bSentAll = true;
                ::shutdown(fd, SHUT_WR);
            }
        }
        if (ready > 0 && (watch.revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            std::uint8_t buffer[64 * 1024];
            for (;;) {
                const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
                if (n > 0) {
                    received.insert(received.end(), buffer, buffer + n);
                    if (received.size() > maxOutputBytes) {
                        bTooMuch = bEnded = true;
                        break;
                    }
                    continue;
                }
                if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                    bEnded = true;  // the program closed its end: it has finished or died
                }
                break;
            }
        }
        if (!bEnded && !keepWaiting()) {
            bCancelled = bEnded = true;
        } else if (!bEnded && std::chrono::steady_clock::now() > deadline) {
            bEnded = true;
            bTooMuch = true;
        }
    }
    ::close(child.fd);
    child.fd = -1;
    if (bCancelled || bTooMuch) {
        ::kill(pid, SIGKILL);
    }
    // A program that closed its output is ending; it is still held to the clock.
    for (;;) {
        const pid_t done = ::waitpid(pid, &child.status, WNOHANG);
        if (done == pid) {
            child.bReaped = true;
            break;
        }
        if (done < 0 && errno != EINTR) {
            break;  // not ours to wait for: nothing it gave is trusted
        }
        if (!bCancelled && !keepWaiting()) {
            bCancelled = true;
            ::kill(pid, SIGKILL);
        } else if (!bTooMuch && std::chrono::steady_clock::now() > deadline) {
            bTooMuch = true;
            ::kill(pid, SIGKILL);
        }
        pollfd none{-1, 0, 0};
        ::poll(&none, 1, 2);
    }
    if (bCancelled) {
        return ImportResult::Cancelled;
    }
    if (bTooMuch || !child.bReaped || !WIFEXITED(child.status)) {
        return ImportResult::NotReadable;
    }
    return ResultOfImportProgram(WEXITSTATUS(child.status), received, output);
}
