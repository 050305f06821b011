#include "platform/SoundImport.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/ImportProcess.h"
#include "platform/WaveDecoder.h"

namespace {
// A minute of 48 kHz stereo and its header, with room to spare.
constexpr std::uint64_t kMaxWaveBytes = 16u << 20;
}  // namespace

ImportResult ImportSound(const std::string& source, const std::string& target,
                         std::string& reason) {
    std::vector<std::uint8_t> data, wave;
    if (!ReadWholeFile(source, data, kMaxImportSourceBytes) || data.empty()) {
        return ImportResult::NotReadable;
    }
    const ImportResult result = RunImportProgram({"sound"}, data, wave, kMaxWaveBytes);
    if (result != ImportResult::Done && result != ImportResult::Shortened) {
        return result == ImportResult::Cancelled ? result : ImportResult::NotReadable;
    }
    // What comes back is checked as any wave is: the game's own reader must take it.
    std::string pcm;
    if (!DecodeWave(wave.data(), wave.size(), pcm) || pcm.empty()) {
        return ImportResult::NotReadable;
    }
    if (!WriteWholeFile(target, wave, &reason)) {
        return ImportResult::WriteFailed;
    }
    return result;
}
