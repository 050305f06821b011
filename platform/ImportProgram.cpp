// The import program: decodes one photo or voice clip for the library, in a process of its
// own. The file's bytes arrive on standard input; the bitmap or wave goes to standard output.
//   plinkapad-import picture MAX-WIDTH MAX-HEIGHT
//   plinkapad-import sound
// Exit code 0: done; 2: done, shortened; 1: not a file the decoders read. The program that
// starts it sets its limits of memory and time.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ImportProcess.h"
#include "platform/PictureDecoder.h"
#include "platform/SoundDecoder.h"
#include "platform/StandardStreams.h"

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    std::vector<std::uint8_t> input, output;
    if (!ReadStandardInput(input, kMaxImportSourceBytes)) {
        return 1;
    }
    ImportResult result = ImportResult::NotReadable;
    if (kind == "picture" && argc == 4) {
        result = DecodePicture(input, std::atoi(argv[2]), std::atoi(argv[3]), output);
    } else if (kind == "sound" && argc == 2) {
        result = DecodeSound(input, output);
    }
    if ((result != ImportResult::Done && result != ImportResult::Shortened) ||
        !WriteStandardOutput(output)) {
        return 1;
    }
    return result == ImportResult::Shortened ? 2 : 0;
}
