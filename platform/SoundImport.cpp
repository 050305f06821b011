#include "platform/SoundImport.h"

#include <cstdint>
#include <string>
#include <vector>

#include "core/WaveDecoder.h"
#include "platform/ImportProcess.h"

namespace {
// A minute of 48 kHz stereo and its header, with room to spare.
constexpr std::uint64_t kMaxWaveBytes = 16u << 20;
}  // namespace

ImportResult ImportSound(const std::string& source, const std::string& target,
                         std::string& reason) {
    // What comes back must be a wave the game plays.
    const auto valid = [](const std::vector<std::uint8_t>& wave) {
        std::string pcm;
        return DecodeWave(wave.data(), wave.size(), pcm) && !pcm.empty();
    };
    return ImportThroughProgram(source, target, {"sound"}, kMaxWaveBytes, valid, reason);
}
