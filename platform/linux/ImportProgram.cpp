// The import program: decodes one photo or voice clip for the library, in a process of its
// own. The file's bytes arrive on standard input; the bitmap or wave goes to standard output.
//   plinkapad-import picture MAX-WIDTH MAX-HEIGHT
//   plinkapad-import sound
// Exit code 0: done; 2: done, shortened; 1: not a file the decoders read. The program that
// starts it sets its limits of memory and time.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ImportProcess.h"
#include "platform/PictureDecoder.h"
#include "platform/SoundDecoder.h"

namespace {

bool ReadInput(std::vector<std::uint8_t>& data) {
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
        if (data.size() > kMaxImportSourceBytes) {
            return false;
        }
    }
}

bool WriteOutput(const std::vector<std::uint8_t>& data) {
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

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    std::vector<std::uint8_t> input, output;
    if (!ReadInput(input)) {
        return 1;
    }
    ImportResult result = ImportResult::NotReadable;
    if (kind == "picture" && argc == 4) {
        result = DecodePicture(input, std::atoi(argv[2]), std::atoi(argv[3]), output);
    } else if (kind == "sound" && argc == 2) {
        result = DecodeSound(input, output);
    }
    if ((result != ImportResult::Done && result != ImportResult::Shortened) ||
        !WriteOutput(output)) {
        return 1;
    }
    return result == ImportResult::Shortened ? 2 : 0;
}
