// A phone's voice clip made into a library sound, as the import program decodes it: the
// input is the sound file, in any format FFmpeg's libraries know. What is made must be a wave
// the game plays.
#include <cstdlib>
#include <string>
#include <vector>

#include "core/WaveDecoder.h"
#include "platform/SoundDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> input(data, data + size);
    std::vector<std::uint8_t> wave;
    const ImportResult result = DecodeSound(input, wave);
    if (result == ImportResult::Done || result == ImportResult::Shortened) {
        std::string pcm;
        if (!DecodeWave(wave.data(), wave.size(), pcm) || pcm.empty()) {
            std::abort();
        }
    } else if (result != ImportResult::NotReadable) {
        std::abort();
    }
    return 0;
}
