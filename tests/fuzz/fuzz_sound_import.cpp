// A phone's voice clip made into a library sound: the input is the sound file, in any
// format FFmpeg's libraries know. What is made must be a wave the game plays; a refused
// sound leaves nothing behind.
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "platform/FileSystem.h"
#include "platform/SoundImport.h"
#include "platform/WaveDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string source = FuzzFolder() + "/clip";
    static const std::string target = FuzzFolder() + "/clip.wav";
    WriteInput(source, data, size);
    std::string reason;
    const ImportResult result = ImportSound(source, target, reason);
    if (result == ImportResult::Done || result == ImportResult::Shortened) {
        std::vector<std::uint8_t> wave;
        std::string pcm;
        if (!ReadWholeFile(target, wave, 1u << 30) || !DecodeWave(wave.data(), wave.size(), pcm) ||
            pcm.empty()) {
            std::abort();
        }
    } else if (result != ImportResult::NotReadable) {
        std::abort();  // the folder is the process's own: writing cannot fail
    }
    RemoveOutputAndCheckForLeftovers(target);
    return 0;
}
