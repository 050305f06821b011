#include "platform/StandardStreams.h"

#include <windows.h>

#include <algorithm>

bool ReadStandardInput(std::vector<std::uint8_t>& data, std::uint64_t maxBytes) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(input, buffer, sizeof buffer, &n, nullptr)) {
            // The writer closed its end of the pipe: that is the end of the input.
            return GetLastError() == ERROR_BROKEN_PIPE;
        }
        if (n == 0) {
            return true;
        }
        data.insert(data.end(), buffer, buffer + n);
        if (data.size() > maxBytes) {
            return false;
        }
    }
}

bool WriteStandardOutput(const std::vector<std::uint8_t>& data) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1 << 20));
        DWORD n = 0;
        if (!WriteFile(output, data.data() + done, chunk, &n, nullptr)) {
            return false;
        }
        done += n;
    }
    return true;
}
