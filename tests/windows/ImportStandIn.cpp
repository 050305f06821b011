// A stand-in for the import program, to show what the runner does with each kind of end:
//   import_stand_in cat|args|half|fail|flood|limits|sleep
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/StandardStreams.h"

namespace {
bool Write(const std::string& text) {
    return WriteStandardOutput(std::vector<std::uint8_t>(text.begin(), text.end()));
}
}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    std::vector<std::uint8_t> input;
    if (mode == "sleep") {
        Sleep(INFINITE);
    }
    if (!ReadStandardInput(input, 1u << 30)) {
        return 1;
    }
    if (mode == "cat") {
        return WriteStandardOutput(input) ? 0 : 1;
    }
    if (mode == "args") {
        std::string text;
        for (int i = 1; i < argc; ++i) {
            text += std::string(i > 1 ? " " : "") + argv[i];
        }
        return Write(text) ? 0 : 1;
    }
    if (mode == "half") {
        Write("half");
        return 2;
    }
    if (mode == "flood") {
        return WriteStandardOutput(std::vector<std::uint8_t>(20u << 20, 'z')) ? 0 : 1;
    }
    if (mode == "limits") {
        // The limits of the job this program runs in.
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        if (!QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &limits,
                                       sizeof limits, nullptr)) {
            return 1;
        }
        return Write(std::to_string(limits.ProcessMemoryLimit) + " " +
                     std::to_string(limits.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart /
                                    10'000'000))
                   ? 0
                   : 1;
    }
    Write("part");
    return 1;
}
