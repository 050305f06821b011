#include "platform/StandardStreams.h"

#include <unistd.h>

#include <cerrno>

bool ReadStandardInput(std::vector<std::uint8_t>& data, std::uint64_t maxBytes) {
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.insert(data.end(), buffer, buffer + n);
        if (data.size() > maxBytes) {
            return false;
        }
    }
}

bool WriteStandardOutput(const std::vector<std::uint8_t>& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
